#include "paths/path_specifier_class_list.h"

#include "component/class_info.h"
#include "component/program_scope.h"
#include "paths/custom_path_specifier.h"
#include "paths/path_exceptions.h"

namespace vorlan {

const TClassInfo& TPathSpecifierClassList::Items(int index) const {
  if (index < 0 || index >= Count()) throw IEPathSpecifierClassList("List index out of bounds (%d)", index);
  return *classes_[static_cast<size_t>(index)];
}

void TPathSpecifierClassList::RegisterPathSpecifierClass(const TClassInfo* info) {
  if (!info) throw IEPathSpecifierClassList("Tried to add a nil object to the path specifier list");
  // An instance of each registered class is created by name, so the class
  // must be a specifier that can be made.
  if (!info->CanCreate() || !info->InheritsFrom(TCustomPathSpecifier::StaticClassInfo())) {
    throw IEPathSpecifierClassList("%s is not a path specifier class that can be created", info->Name());
  }
  classes_.push_back(info);
}

TPathSpecifierClassList& PathSpecifierClasses() { return ProgramScope::Current().Get<TPathSpecifierClassList>(); }

}  // namespace vorlan

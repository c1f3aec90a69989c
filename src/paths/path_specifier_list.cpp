#include "paths/path_specifier_list.h"

#include <algorithm>

#include "component/class_info.h"
#include "component/program_scope.h"
#include "paths/custom_path_specifier.h"
#include "paths/path_exceptions.h"

namespace vorlan {

TCustomPathSpecifier* TPathSpecifierList::Items(int index) const {
  if (index < 0 || index >= Count()) throw IEPathSpecifierList("List index out of bounds (%d)", index);
  return items_[static_cast<size_t>(index)];
}

void TPathSpecifierList::Add(TCustomPathSpecifier* specifier) {
  if (!specifier) throw IEPathSpecifierList("Tried to add a nil object to the path specifier list");
  items_.push_back(specifier);
}

void TPathSpecifierList::Remove(TCustomPathSpecifier* specifier) {
  auto found = std::find(items_.begin(), items_.end(), specifier);
  if (found != items_.end()) items_.erase(found);
}

TCustomPathSpecifier* TPathSpecifierList::FindInstanceOf(const TClassInfo& info) const {
  for (TCustomPathSpecifier* specifier : items_) {
    if (specifier->ClassInfo().InheritsFrom(info)) return specifier;
  }
  return nullptr;
}

TCustomPathSpecifier& TPathSpecifierList::FindByClass(const TClassInfo& info) const {
  TCustomPathSpecifier* found = FindInstanceOf(info);
  if (!found) throw IEPathSpecifier("Could not find the path specifier");
  return *found;
}

namespace {
template <typename T>
T* FindInScope() {
  return ProgramScope::Exists() ? ProgramScope::Current().Find<T>() : nullptr;
}
}  // namespace

TPathSpecifierList& AllPathSpecifiers() { return ProgramScope::Current().Get<TPathSpecifierList>(); }
TStandardPathSpecList& StandardPathSpecifiers() { return ProgramScope::Current().Get<TStandardPathSpecList>(); }
TPathSpecifierList* FindAllPathSpecifiers() { return FindInScope<TPathSpecifierList>(); }
TStandardPathSpecList* FindStandardPathSpecifiers() { return FindInScope<TStandardPathSpecList>(); }

}  // namespace vorlan

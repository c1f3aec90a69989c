#include "paths/standard_path_specifier.h"

#include "component/class_info.h"
#include "paths/path_specifier_list.h"

namespace vorlan {

TStandardPathSpecifier::TStandardPathSpecifier(TComponent* owner) : TCustomPathSpecifier(owner) {
  if (TStandardPathSpecList* standard = FindStandardPathSpecifiers()) standard->Add(this);
}

TStandardPathSpecifier::~TStandardPathSpecifier() {
  if (TStandardPathSpecList* standard = FindStandardPathSpecifiers()) standard->Remove(this);
}

const TClassInfo& TStandardPathSpecifier::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfo::Define<TStandardPathSpecifier, TCustomPathSpecifier>("TStandardPathSpecifier");
  return info;
}

}  // namespace vorlan

#include "paths/custom_path_specifier.h"

#include "component/class_info.h"
#include "paths/path_specifier_list.h"

namespace vorlan {

TCustomPathSpecifier::TCustomPathSpecifier(TComponent* owner) : TComponent(owner) {
  if (TPathSpecifierList* all = FindAllPathSpecifiers()) all->Add(this);
}

TCustomPathSpecifier::~TCustomPathSpecifier() {
  if (TPathSpecifierList* all = FindAllPathSpecifiers()) all->Remove(this);
}

void TCustomPathSpecifier::CheckObject(TInstallContainer* /*object*/) {}

std::string TCustomPathSpecifier::GetDescription() { return "Unspecified"; }

std::string TCustomPathSpecifier::GetObjectDescription(TInstallContainer* /*object*/) { return GetDescription(); }

std::string TCustomPathSpecifier::GetPath(TInstallContainer* object) {
  std::string path;
  on_get_path_(object, path);
  return path;
}

std::string TCustomPathSpecifier::GetDisplayName() { return GetDescription(); }

std::string TCustomPathSpecifier::GetObjectDisplayName(TInstallContainer* object) {
  return GetObjectDescription(object);
}

const TClassInfo& TCustomPathSpecifier::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TCustomPathSpecifier, TComponent>("TCustomPathSpecifier");
  return info;
}

}  // namespace vorlan

#include "objects/specifier_access.h"

#include "component/class_info.h"
#include "component/class_registry.h"
#include "component/component.h"
#include "component/program_scope.h"
#include "paths/custom_path_specifier.h"
#include "paths/ensure_path_specifier.h"
#include "paths/path_specifier_list.h"

namespace vorlan {

namespace {
// The standard specifiers are reached by class name: they are registered by
// the paths module, which builds on this one.
const TClassInfo* SpecifierClass(const char* name) {
  return ProgramScope::Exists() ? Classes().Find(name) : nullptr;
}

TCustomPathSpecifier* Standard(const char* name) {
  const TClassInfo* info = SpecifierClass(name);
  TStandardPathSpecList* list = FindStandardPathSpecifiers();
  return info && list ? list->FindInstanceOf(*info) : nullptr;
}

bool Is(const TCustomPathSpecifier* specifier, const char* name) {
  const TClassInfo* info = SpecifierClass(name);
  return specifier && info && specifier->ClassInfo().InheritsFrom(*info);
}
}  // namespace

void EnsureFormSpecifiers(TComponent* owner) {
  if (owner && owner->IsForm() && FindAllPathSpecifiers()) EnsurePathSpecifiers(owner);
}

TCustomPathSpecifier* StandardContainerDestDir() { return Standard("TpsContainerDestDir"); }
TCustomPathSpecifier* StandardContainerArchiveFile() { return Standard("TpsContainerArchiveFile"); }
TCustomPathSpecifier* StandardMainArchiveFile() { return Standard("TpsMainArchiveFile"); }

bool IsContainerDestDir(const TCustomPathSpecifier* specifier) { return Is(specifier, "TpsContainerDestDir"); }
bool IsContainerArchiveFile(const TCustomPathSpecifier* specifier) {
  return Is(specifier, "TpsContainerArchiveFile");
}
bool IsMainArchiveFile(const TCustomPathSpecifier* specifier) { return Is(specifier, "TpsMainArchiveFile"); }
bool IsInstallSource(const TCustomPathSpecifier* specifier) { return Is(specifier, "TpsInstallSource"); }

}  // namespace vorlan

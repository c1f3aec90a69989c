#include "links/ps_object_link.h"

#include "base/strings.h"
#include "links/custom_install_shell_link.h"
#include "objects/custom_install_file.h"
#include "paths/path_exceptions.h"

namespace vorlan {

namespace {
TCustomInstallShellLink& Shortcut(TInstallContainer* object) {
  auto* link = dynamic_cast<TCustomInstallShellLink*>(object);
  if (!link) {
    throw IEPathSpecifier("%s must be a %s to use the %s path specifier", object ? object->Name() : std::string(),
                          "TCustomInstallShellLink", "psObjectLink");
  }
  return *link;
}
}  // namespace

TpsObjectLink::TpsObjectLink(TComponent* owner) : TStandardPathSpecifier(owner) { SetDefaultName("psObjectLink"); }

void TpsObjectLink::CheckObject(TInstallContainer* object) {
  TCustomInstallShellLink& link = Shortcut(object);
  if (!link.ObjectLink()) {
    throw IEPathSpecifier("Cannot use ddObjectLink for %s unless you assign a value to ObjectLink", link.Name());
  }
}

std::string TpsObjectLink::GetDescription() { return "Path of the file or file group in the ObjectLink property"; }
std::string TpsObjectLink::GetDisplayName() { return GetDescription(); }

std::string TpsObjectLink::GetPath(TInstallContainer* object) {
  CheckObject(object);
  TInstallContainer* target = Shortcut(object).ObjectLink();
  if (auto* file = dynamic_cast<TCustomInstallFile*>(target)) {
    return RemoveBackslash(AddBackslash(file->GetDestinationPath()) + file->DestName());
  }
  return RemoveBackslash(target->GetDestinationPath());
}

const TClassInfo& TpsObjectLink::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TpsObjectLink, TStandardPathSpecifier>("TpsObjectLink");
  return info;
}

}  // namespace vorlan

#include "help_registration.h"

#include "base/strings.h"
#include "system/vorlan_registry.h"

namespace vorlan {

namespace {
constexpr const char* kHelpKey = "\\SOFTWARE\\Microsoft\\Windows\\Help";
}  // namespace

void RemoveHelpRegistration(const std::string& path) {
  TVorlanRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  if (!registry.OpenKey(kHelpKey, false)) return;
  std::string name = UpperCase(ExtractFileName(path));
  std::optional<std::string> directory = registry.ReadString(name);
  if (directory && SameText(RemoveBackslash(*directory), RemoveBackslash(ExtractFileDir(path)))) {
    registry.DeleteValue(name);
  }
}

}  // namespace vorlan

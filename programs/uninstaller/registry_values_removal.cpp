#include "registry_values_removal.h"

#include <windows.h>

#include "base/format.h"
#include "system/registry_routines.h"
#include "system/vorlan_registry.h"
#include "uninstall_messages.h"

namespace vorlan {

namespace {
std::string RootName(int root) {
  static const char* const kNames[] = {"HKEY_CLASSES_ROOT",  "HKEY_CURRENT_CONFIG", "HKEY_CURRENT_USER",
                                       "HKEY_DYN_DATA",      "HKEY_LOCAL_MACHINE",  "HKEY_USERS"};
  return kNames[root];
}

std::string FromRoot(const std::string& key) { return key.empty() || key[0] != '\\' ? "\\" + key : key; }
}  // namespace

void RemoveRegistryValues(int root, const std::string& key, const TStringList& names,
                          std::vector<std::string>& problems) {
  if (root < hkClassesRoot || root > hkUsers) {
    problems.push_back(Format(uninstall_message::kBadRecord, key, Format("root %d is not a registry root", root)));
    return;
  }
  TVorlanRegistry registry;
  registry.SetRootKey(RootKeyHandle(static_cast<TRootKeys>(root)));
  std::string path = FromRoot(key);
  if (!registry.OpenKey(path, false)) return;
  for (const std::string& name : names) {
    LONG result = RegDeleteValueA(registry.CurrentKey(), name.c_str());
    if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND) {
      problems.push_back(
          Format(uninstall_message::kValueNotDeleted, name, RootName(root) + path, static_cast<int>(result)));
    }
  }
  bool empty = registry.GetValueNames().empty() && registry.GetKeyNames().empty();
  registry.CloseKey();
  if (empty) registry.DeleteKey(path);
}

}  // namespace vorlan

#include "registry_values_removal.h"

#include <windows.h>

#include <algorithm>

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

std::vector<TRootedKey> CreatedKeys(int root, const std::string& key, const std::string& created) {
  std::string path = RemoveBackslash(FromRoot(key));
  std::string top = RemoveBackslash(FromRoot(created));
  if (top.size() <= 1 || !(SameText(path, top) || StartsWithText(path, AddBackslash(top)))) return {};
  std::vector<TRootedKey> keys;
  for (std::string at = path; at.size() >= top.size(); at = ExtractFileDir(at)) keys.emplace_back(root, at);
  return keys;
}

void RemoveEmptyKeys(std::vector<TRootedKey> keys) {
  std::sort(keys.begin(), keys.end(),
            [](const TRootedKey& a, const TRootedKey& b) { return a.second.size() > b.second.size(); });
  for (const auto& [root, key] : keys) {
    if (root < hkClassesRoot || root > hkUsers) continue;
    TVorlanRegistry registry;
    registry.SetRootKey(RootKeyHandle(static_cast<TRootKeys>(root)));
    if (!registry.OpenKeyReadOnly(key)) continue;
    bool empty = registry.GetValueNames().empty() && registry.GetKeyNames().empty();
    registry.CloseKey();
    if (empty) registry.DeleteKey(key);
  }
}

}  // namespace vorlan

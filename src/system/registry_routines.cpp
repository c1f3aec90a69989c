#include "system/registry_routines.h"

#include "base/format.h"
#include "system/os_version.h"
#include "system/system_exceptions.h"

namespace vorlan {

namespace {
const HKEY kRoots[] = {HKEY_CLASSES_ROOT,  HKEY_CURRENT_CONFIG, HKEY_CURRENT_USER,
                       HKEY_DYN_DATA,      HKEY_LOCAL_MACHINE,  HKEY_USERS};

// Reading needs read rights only: asking for more would fail on keys the
// user may read but not change, such as those of the machine.
bool OpenForReading(TVorlanRegistry& registry, int root, const std::string& key, const std::string& name) {
  SetRootKeyIndex(registry, root);
  return registry.KeyExists(key) && registry.OpenKeyReadOnly(key) && registry.ValueExists(name);
}

template <typename Write>
void WriteValue(int root, const std::string& key, const std::string& message, Write write) {
  TVorlanRegistry registry;
  SetRootKeyIndex(registry, root);
  if (!registry.OpenKey(key, true)) throw EIRCannotWriteValue(message);
  try {
    write(registry);
  } catch (const ERegistryException&) {
    throw EIRCannotWriteValue(message);
  }
}
}  // namespace

HKEY RootKeyHandle(TRootKeys root) { return kRoots[root]; }

void SetRootKeyIndex(TVorlanRegistry& registry, int position) {
  if (position >= hkClassesRoot && position <= hkUsers) registry.SetRootKey(kRoots[position]);
}

int RootKeyIndex(HKEY handle, int default_index) {
  for (int i = 0; i <= hkUsers; ++i) {
    if (kRoots[i] == handle) return i;
  }
  return default_index;
}

std::string ReadRegString(int root, const std::string& key, const std::string& name,
                          const std::string& default_text) {
  TVorlanRegistry registry;
  if (!OpenForReading(registry, root, key, name)) return default_text;
  return registry.ReadString(name).value_or(default_text);
}

int32_t ReadRegInteger(int root, const std::string& key, const std::string& name, int32_t default_value) {
  TVorlanRegistry registry;
  if (!OpenForReading(registry, root, key, name)) return default_value;
  return registry.ReadInteger(name).value_or(default_value);
}

void WriteRegString(int root, const std::string& key, const std::string& name, const std::string& text) {
  WriteValue(root, key, Format("Cannot install into registry. Key: %s Ident: %s Value %s", key, name, text),
             [&](TVorlanRegistry& registry) { registry.WriteString(name, text); });
}

void WriteRegInteger(int root, const std::string& key, const std::string& name, int32_t value) {
  WriteValue(root, key, key, [&](TVorlanRegistry& registry) { registry.WriteInteger(name, value); });
}

void DeleteRegKeyTree(int root, const std::string& key) {
  // An empty key names the root itself, which is never deleted.
  if (key.empty() || key == "\\") return;
  TVorlanRegistry registry;
  SetRootKeyIndex(registry, root);
  if (!registry.OpenKey(key, false)) return;
  TStringList names = registry.GetKeyNames();
  registry.CloseKey();
  for (const std::string& name : names) DeleteRegKeyTree(root, key + "\\" + name);
  registry.DeleteKey(key);
}

bool AddRunOnceEntry(const std::string& name, const std::string& command, bool unique) {
  try {
    TVorlanRegistry registry;
    TOSVerType os = GetOSVersionType();
    bool nt = os == oswinNT || os == oswin2K || os == oswinXP;
    registry.SetRootKey(nt ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE);
    if (!registry.OpenKey("\\Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce", true)) return false;
    std::string value_name = name;
    for (int i = 1; unique && registry.ValueExists(value_name); ++i) value_name = name + IntToStr(i);
    registry.WriteString(value_name, command);
    registry.SetLazyWrite(false);
    registry.CloseKey();
    return true;
  } catch (const Exception&) {
    return false;
  }
}

}  // namespace vorlan

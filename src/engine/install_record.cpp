// The install record: one registry key per setup program on the machine,
// recognised by the program file's size and last-write time wherever the
// file lies.

#include <windows.h>

#include <cmath>
#include <optional>
#include <utility>

#include "base/file.h"
#include "base/strings.h"
#include "engine/install_record.h"
#include "system/registry_routines.h"
#include "system/system_exceptions.h"
#include "system/vorlan_registry.h"

namespace vorlan {

namespace {
// Date-times are stored as the 8 bytes of the double.
std::optional<TDateTime> ReadDate(TVorlanRegistry& registry, const char* name) {
  double value = 0;
  DWORD type = 0;
  DWORD size = sizeof value;
  if (RegQueryValueExA(registry.CurrentKey(), name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
          ERROR_SUCCESS ||
      type != REG_BINARY || size != sizeof value) {
    return std::nullopt;
  }
  return value;
}

void WriteDate(TVorlanRegistry& registry, const char* name, TDateTime value) {
  if (RegSetValueExA(registry.CurrentKey(), name, 0, REG_BINARY, reinterpret_cast<const BYTE*>(&value),
                     sizeof value) != ERROR_SUCCESS) {
    throw ERegistryException(std::string("Failed to set data for '") + name + "'");
  }
}

bool SameProgram(TVorlanRegistry& record, int64_t size, TDateTime date) {
  std::optional<std::string> path = record.ReadString("Path");
  std::optional<TDateTime> created = ReadDate(record, "CreationDate");
  std::optional<int32_t> stored_size = record.ReadInteger("Size");
  return path && created && stored_size && std::fabs(date - *created) < 1e-7 && *stored_size == size;
}

// Deletes key when it opens and has no subkeys.
void DeleteIfEmpty(TVorlanRegistry& registry, const std::string& key) {
  if (!registry.OpenKey(key, false)) return;
  bool empty = registry.GetKeyNames().empty();
  registry.CloseKey();
  if (empty) registry.DeleteKey(key);
}

bool Contains(const TStringList& names, const std::string& name) {
  for (const std::string& existing : names) {
    if (SameText(existing, name)) return true;
  }
  return false;
}

// The file's size and last-write time, which recognise its record.
bool ReadProgramFile(const std::string& path, int64_t& size, TDateTime& date) {
  std::optional<int64_t> file_size = FileSizeOf(path);
  std::optional<TDateTime> file_date = FileLastWriteTime(path);
  if (!file_size || !file_date) return false;
  size = *file_size;
  date = *file_date;
  return true;
}
}  // namespace

TInstallRecord::TInstallRecord(std::string root, std::string maker_key, std::string& key,
                               const TDateTime& start_time)
    : root_(std::move(root)), maker_key_(std::move(maker_key)), key_(key), start_time_(start_time) {}

bool TInstallRecord::Find(const std::string& path, const std::string& self_extract, bool create,
                          std::string& key) const {
  key.clear();
  int64_t size = 0;
  TDateTime date = 0;
  if (!ReadProgramFile(path, size, date)) return false;
  TVorlanRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  if (!registry.OpenKey(root_, true)) return false;
  TStringList names = registry.GetKeyNames();
  TDateTime start_time = start_time_;
  try {
    for (const std::string& name : names) {
      std::string record_key = root_ + "\\" + name;
      TVorlanRegistry record;
      record.SetRootKey(HKEY_LOCAL_MACHINE);
      if (!record.OpenKey(record_key, false) || !SameProgram(record, size, date)) continue;
      WriteDate(record, "LastRunDate", start_time);
      record.WriteString("Path", path);
      RegFlushKey(record.CurrentKey());
      key = record_key;
      return true;
    }
    if (!create) return false;
    std::string name;
    for (int n = 0; name.empty() || Contains(names, name); ++n) name = "Install" + std::to_string(n);
    std::string record_key = root_ + "\\" + name;
    TVorlanRegistry record;
    record.SetRootKey(HKEY_LOCAL_MACHINE);
    if (!record.OpenKey(record_key, true)) return false;
    record.WriteString("Path", path);
    WriteDate(record, "LastRunDate", start_time);
    WriteDate(record, "CreationDate", date);
    record.WriteInteger("Size", static_cast<int32_t>(size));
    if (!self_extract.empty()) record.WriteString("SelfExtract", self_extract);
    RegFlushKey(record.CurrentKey());
    key = record_key;
    return true;
  } catch (const ERegistryException&) {
    return false;
  }
}

// The local copies of downloaded archives go with the record; the record
// root, the key it was created in, and the maker's key above the
// environment, go when nothing else is left in them.
void TInstallRecord::Remove() {
  const std::string& record_key = key_;
  if (record_key.empty()) return;
  TVorlanRegistry record;
  record.SetRootKey(HKEY_LOCAL_MACHINE);
  if (record.OpenKey(record_key, false)) {
    for (const std::string& name : record.GetKeyNames()) {
      std::string object_key = record_key + "\\" + name;
      std::string local = Trim(ReadRegString(hkLocalMachine, object_key, "LocalFile", ""));
      if (!local.empty()) DeleteFileAt(local);
      DeleteRegKeyTree(hkLocalMachine, object_key);
    }
    record.CloseKey();
    record.DeleteKey(record_key);
  }
  TVorlanRegistry root;
  root.SetRootKey(HKEY_LOCAL_MACHINE);
  if (!root.KeyExists(root_)) return;
  DeleteIfEmpty(root, root_);
  DeleteIfEmpty(root, ExtractFileDir(root_));
  DeleteIfEmpty(root, maker_key_);
}

void TInstallRecord::Open(const std::string& program, const std::string& self_extract, bool create) {
  std::string key;
  Find(program, self_extract, create, key);
  key_ = key;
}

}  // namespace vorlan

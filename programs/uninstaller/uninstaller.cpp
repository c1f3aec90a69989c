#include "uninstaller.h"

#include <windows.h>

#include "active_x_unregistration.h"
#include "base/format.h"
#include "base/strings.h"
#include "help_registration.h"
#include "record_list.h"
#include "registry_values_removal.h"
#include "shared_dll_count.h"
#include "system/registry_routines.h"
#include "system/uninstall_records.h"
#include "system/vorlan_registry.h"
#include "uninstall_messages.h"

namespace vorlan {

namespace {
constexpr const char* kUninstallKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
}  // namespace

TUninstaller::TUninstaller(std::string product) : product_(std::move(product)), key_(kUninstallKey + product_) {}

bool TUninstaller::Installed() const {
  // Without a name the key would be the list of every product.
  if (Trim(product_).empty()) return false;
  TVorlanRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  return registry.KeyExists(key_);
}

// The entry quotes the program; entries written before left it bare.
std::string TUninstaller::EntryProgram() const {
  std::string command = Trim(ReadRegString(hkLocalMachine, key_, "UninstallString", ""));
  if (!command.empty() && command[0] == '"') {
    size_t closing = command.find('"', 1);
    return command.substr(1, closing == std::string::npos ? std::string::npos : closing - 1);
  }
  std::string suffix = " " + product_;
  if (EndsWithText(command, suffix)) command.resize(command.size() - suffix.size());
  return Trim(command);
}

void TUninstaller::Remove() {
  RemoveActiveX();
  RemoveRegistryRecords();
  RemoveFiles();
  RemoveDirectories();
  if (!problems_.empty()) return;
  TVorlanRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  registry.DeleteKey(key_);
}

// The files are still in place, so that each can take back its own
// registration before it goes.
void TUninstaller::RemoveActiveX() {
  TRecordList list(AddBackslash(key_) + uninstall_record::kActiveX);
  list.ForEachValue(uninstall_record::kFile,
                    [this](const std::string& record) { return RemoveActiveXRecord(record); });
  list.RemoveWhenDone(uninstall_record::kFile);
}

bool TUninstaller::RemoveActiveXRecord(const std::string& record) {
  std::string path = ActiveXRecordPath(record);
  int64_t kind = path.size() == record.size() ? -1 : StrToIntDef(record.substr(path.size() + 1), -1);
  // A damaged record is reported, its file still goes: a second run then
  // finds nothing left to hold the entry back.
  if (kind < axLibrary || kind > axTypeLibrary) {
    problems_.push_back(Format(uninstall_message::kBadRecord, record, "the registration kind is not 0, 1 or 2"));
    return RemoveFile(path);
  }
  // Another product may still count on a shared server: it stays
  // registered, and only the count goes down.
  try {
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES && TSharedDLLCount(path).LastUser()) {
      UnregisterActiveX(path, static_cast<TActiveXKind>(kind));
    }
  } catch (const EUninstallError& error) {
    problems_.push_back(error.what());
  }
  return RemoveFile(path);
}

void TUninstaller::RemoveRegistryRecords() {
  std::vector<TRootedKey> created;
  TRecordList list(AddBackslash(key_) + uninstall_record::kRegistryKeys);
  list.ForEachKey(uninstall_record::kRegistryKey, [this, &created](const std::string& record) {
    TVorlanRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    if (!registry.OpenKeyReadOnly(record)) return false;
    std::optional<int32_t> root = registry.ReadInteger("Root");
    std::string key = registry.ReadString("Key").value_or("");
    std::string created_part = registry.ReadString(uninstall_record::kCreated).value_or("");
    if (!root || Trim(key).empty()) {
      problems_.push_back(Format(uninstall_message::kBadRecord, record, "it names no root or no key"));
      return true;
    }
    TStringList names;
    if (registry.OpenKeyReadOnly(AddBackslash(record) + "Entries")) names = registry.GetValueNames();
    size_t before = problems_.size();
    RemoveRegistryValues(*root, key, names, problems_);
    if (problems_.size() != before) return false;
    for (TRootedKey& made : CreatedKeys(*root, key, created_part)) created.push_back(std::move(made));
    return true;
  });
  list.RemoveWhenDone(uninstall_record::kRegistryKey);
  // Deepest first over all records: two keys may share what was created.
  RemoveEmptyKeys(std::move(created));
}

void TUninstaller::RemoveFiles() {
  for (const std::string& key : RecordListKeys(key_, uninstall_record::kFiles)) {
    TRecordList list(key);
    list.ForEachValue(uninstall_record::kFile, [this](const std::string& path) { return RemoveFile(path); });
    list.RemoveWhenDone(uninstall_record::kFile);
  }
}

// The list goes with the entry: a directory still holding something is
// tried again by another run.
void TUninstaller::RemoveDirectories() {
  std::string list = AddBackslash(key_) + uninstall_record::kDirectories;
  TVorlanRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  directories_recorded_ = registry.KeyExists(list);
  directories_left_ = files_.RemoveEmptyDirectories(
      directories_recorded_ ? RecordTexts(list, uninstall_record::kDirectory) : files_.HeldDirectories());
}

// Without recorded directories, the program's own goes once empty.
std::vector<std::string> TUninstaller::DirectoriesOf(const std::string& program) const {
  std::string directory = RemoveBackslash(ExtractFileDir(program));
  if (!directories_recorded_) return {directory};
  std::vector<std::string> holding;
  for (const std::string& left : directories_left_) {
    if (StartsWithText(AddBackslash(directory), AddBackslash(left))) holding.push_back(left);
  }
  return holding;
}

bool TUninstaller::RemoveFile(const std::string& path) {
  if (Trim(path).empty()) return true;
  try {
    if (files_.Remove(path) != TFileRemoval::frStillShared) RemoveHelpRegistration(path);
    return true;
  } catch (const EUninstallError& error) {
    problems_.push_back(error.what());
    return false;
  }
}

}  // namespace vorlan

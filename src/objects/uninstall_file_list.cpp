#include "objects/uninstall_file_list.h"

#include <map>
#include <memory>

#include "base/format.h"
#include "base/strings.h"
#include "component/program_scope.h"
#include "system/registry_routines.h"
#include "system/system_exceptions.h"
#include "system/uninstall_records.h"
#include "system/vorlan_registry.h"

namespace vorlan {

namespace {
// Files, Files1, ... FilesN: a key that cannot be written is passed over,
// but not without end.
constexpr int kFilesKeyAttempts = 10;

// The list key last appended to stays open for the run, with its count: an
// installation adds a record for every file and link, and opening the key
// and reading the count again for each took more trips to the registry than
// the record itself. Nothing but the running setup writes its product's
// list while it installs, so the count read at the opening stays true; a
// list deleted meanwhile fails the next write and is opened and read anew.
struct TOpenFileList {
  std::string key;
  TVorlanRegistry registry;
  int entries = 0;
};

// Where a path is recorded already.
struct TFileRecord {
  std::string list;
  std::string name;
};

struct TUninstallFileLists {
  std::unique_ptr<TOpenFileList> open;
  // What the product's lists held when the run first recorded for it, and
  // what the run added since, by upper-cased path.
  std::string known_key;
  std::map<std::string, TFileRecord> known;
};

[[noreturn]] void CannotWrite(const std::string& key, int n, const std::string& path) {
  throw EIRCannotWriteValue(
      Format("Cannot install into registry. Key: %s Ident: %s Value %s", key, "File" + IntToStr(n), path));
}

int Count(const std::optional<std::string>& entries) {
  return static_cast<int>(StrToIntDef(entries.value_or("0"), 0));
}

TOpenFileList& OpenList(TUninstallFileLists& lists, const std::string& key, const std::string& path) {
  if (lists.open && SameText(lists.open->key, key)) return *lists.open;
  lists.open.reset();
  auto list = std::make_unique<TOpenFileList>();
  list->key = key;
  list->registry.SetRootKey(HKEY_LOCAL_MACHINE);
  if (!list->registry.OpenKey(key, true)) {
    CannotWrite(key, Count(ReadRegString(hkLocalMachine, key, "Entries", "0")) + 1, path);
  }
  list->entries = Count(list->registry.ReadString("Entries"));
  lists.open = std::move(list);
  return *lists.open;
}

void Append(TOpenFileList& list, const std::string& key, const std::string& path) {
  int n = list.entries + 1;
  try {
    list.registry.WriteString(uninstall_record::kFile + IntToStr(n), path);
    list.registry.WriteString("Entries", IntToStr(n));
  } catch (const ERegistryException&) {
    CannotWrite(key, n, path);
  }
  list.entries = n;
}

void ReadKnown(TUninstallFileLists& lists, const std::string& key) {
  lists.known_key = key;
  lists.known.clear();
  for (const std::string& list : RecordListKeys(key, uninstall_record::kFiles)) {
    TVorlanRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    if (!registry.OpenKeyReadOnly(list)) continue;
    for (const std::string& name : NumberedNames(registry.GetValueNames(), uninstall_record::kFile)) {
      if (std::optional<std::string> path = registry.ReadString(name)) lists.known[UpperCase(*path)] = {list, name};
    }
  }
}

// Read through the list key held open, as the records are written: a run
// installed again reads one value a file.
bool StillRecorded(TUninstallFileLists& lists, const TFileRecord& record, const std::string& path) {
  try {
    return SameText(OpenList(lists, record.list, path).registry.ReadString(record.name).value_or(""), path);
  } catch (const Exception&) {
    lists.open.reset();
    return false;
  }
}

// A record known from earlier in the run may have gone since (an uninstall
// in between): the lists are then read anew.
bool Listed(TUninstallFileLists& lists, const std::string& key, const std::string& path) {
  if (!SameText(lists.known_key, key)) ReadKnown(lists, key);
  auto found = lists.known.find(UpperCase(path));
  if (found == lists.known.end()) return false;
  if (StillRecorded(lists, found->second, path)) return true;
  ReadKnown(lists, key);
  return lists.known.count(UpperCase(path)) > 0;
}

// One attempt at one list key; a key held open from earlier that fails
// (deleted meanwhile) is opened once more before the key counts as failed.
void AppendTo(TUninstallFileLists& lists, const std::string& key, const std::string& path) {
  bool was_open = lists.open && SameText(lists.open->key, key);
  try {
    Append(OpenList(lists, key, path), key, path);
    return;
  } catch (const Exception&) {
    lists.open.reset();
    if (!was_open) throw;
  }
  Append(OpenList(lists, key, path), key, path);
}
}  // namespace

void RegisterUninstallFileLists(ProgramScope& scope) { scope.Emplace<TUninstallFileLists>(); }

void AddUninstallFileRecord(const std::string& key, const std::string& path) {
  TUninstallFileLists& lists = ProgramScope::Current().Get<TUninstallFileLists>();
  if (Listed(lists, key, path)) return;
  for (int attempt = 0;; ++attempt) {
    std::string records = AddBackslash(key) + uninstall_record::kFiles + (attempt ? IntToStr(attempt) : std::string());
    try {
      AppendTo(lists, records, path);
      lists.known[UpperCase(path)] = {records, uninstall_record::kFile + IntToStr(lists.open->entries)};
      return;
    } catch (const Exception&) {
      lists.open.reset();
      if (attempt + 1 >= kFilesKeyAttempts) throw;
    }
  }
}

}  // namespace vorlan

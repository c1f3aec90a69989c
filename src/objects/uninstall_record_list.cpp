#include "objects/uninstall_record_list.h"

#include <algorithm>

#include "base/strings.h"
#include "system/registry_routines.h"
#include "system/uninstall_records.h"

namespace vorlan {

TUninstallRecordList::TUninstallRecordList(std::string key, std::string stem, TIdentity identity)
    : key_(std::move(key)), stem_(std::move(stem)), identity_(std::move(identity)) {}

std::string TUninstallRecordList::Identity(const std::string& record) const {
  return identity_ ? identity_(record) : record;
}

bool TUninstallRecordList::Lists(const std::string& record) const {
  std::string identity = Identity(record);
  for (const std::string& listed : RecordTexts(key_, stem_)) {
    if (SameText(Identity(listed), identity)) return true;
  }
  return false;
}

// Past the count and every record: an uninstall that stopped half-way
// leaves gaps, a damaged count must not overwrite a record.
void TUninstallRecordList::Add(const std::string& record) {
  if (Lists(record)) return;
  int64_t n = StrToIntDef(ReadRegString(hkLocalMachine, key_, uninstall_record::kEntries, "0"), 0);
  std::vector<std::string> names = NumberedNames(RecordNames(key_, true), stem_);
  if (!names.empty()) n = std::max(n, RecordNumber(names.back(), stem_));
  ++n;
  WriteRegString(hkLocalMachine, key_, stem_ + IntToStr(n), record);
  WriteRegString(hkLocalMachine, key_, uninstall_record::kEntries, IntToStr(n));
}

void TUninstallRecordList::Create() {
  std::string entries = ReadRegString(hkLocalMachine, key_, uninstall_record::kEntries, "");
  if (entries.empty()) WriteRegString(hkLocalMachine, key_, uninstall_record::kEntries, "0");
}

}  // namespace vorlan

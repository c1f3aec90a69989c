#include "record_list.h"

#include "base/strings.h"
#include "system/uninstall_records.h"
#include "system/vorlan_registry.h"

namespace vorlan {

void TRecordList::ForEachValue(const std::string& stem, const std::function<bool(const std::string&)>& handle) {
  for (const std::string& name : NumberedNames(RecordNames(key_, true), stem)) {
    TVorlanRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    if (!registry.OpenKey(key_, false)) return;
    std::optional<std::string> text = registry.ReadString(name);
    if (handle(text.value_or(""))) registry.DeleteValue(name);
  }
}

void TRecordList::ForEachKey(const std::string& stem, const std::function<bool(const std::string&)>& handle) {
  for (const std::string& name : NumberedNames(RecordNames(key_, false), stem)) {
    std::string record = AddBackslash(key_) + name;
    if (!handle(record)) continue;
    TVorlanRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    registry.DeleteKey(record);
  }
}

void TRecordList::RemoveWhenDone(const std::string& stem) {
  if (!NumberedNames(RecordNames(key_, true), stem).empty()) return;
  if (!NumberedNames(RecordNames(key_, false), stem).empty()) return;
  TVorlanRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  registry.DeleteKey(key_);
}

}  // namespace vorlan

#include "record_list.h"

#include <algorithm>

#include "base/strings.h"
#include "system/vorlan_registry.h"

namespace vorlan {

namespace {
// The number after the stem, or -1 when the name is not the stem and digits.
int64_t NumberAfter(const std::string& name, const std::string& stem) {
  if (name.size() <= stem.size() || !StartsWithText(name, stem)) return -1;
  std::string digits = name.substr(stem.size());
  if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) return -1;
  return StrToIntDef(digits, -1);
}

TStringList Names(const std::string& key, bool values) {
  TVorlanRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  if (!registry.OpenKeyReadOnly(key)) return {};
  return values ? registry.GetValueNames() : registry.GetKeyNames();
}
}  // namespace

std::vector<std::string> TRecordList::Numbered(const std::vector<std::string>& names, const std::string& stem) const {
  std::vector<std::pair<int64_t, std::string>> numbered;
  for (const std::string& name : names) {
    if (int64_t n = NumberAfter(name, stem); n >= 0) numbered.emplace_back(n, name);
  }
  std::sort(numbered.begin(), numbered.end());
  std::vector<std::string> ordered;
  for (auto& [n, name] : numbered) ordered.push_back(std::move(name));
  return ordered;
}

void TRecordList::ForEachValue(const std::string& stem, const std::function<bool(const std::string&)>& handle) {
  for (const std::string& name : Numbered(Names(key_, true), stem)) {
    TVorlanRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    if (!registry.OpenKey(key_, false)) return;
    std::optional<std::string> text = registry.ReadString(name);
    if (handle(text.value_or(""))) registry.DeleteValue(name);
  }
}

void TRecordList::ForEachKey(const std::string& stem, const std::function<bool(const std::string&)>& handle) {
  for (const std::string& name : Numbered(Names(key_, false), stem)) {
    std::string record = AddBackslash(key_) + name;
    if (!handle(record)) continue;
    TVorlanRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    registry.DeleteKey(record);
  }
}

void TRecordList::RemoveWhenDone(const std::string& stem) {
  if (!Numbered(Names(key_, true), stem).empty() || !Numbered(Names(key_, false), stem).empty()) return;
  TVorlanRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  registry.DeleteKey(key_);
}

std::vector<std::string> ListKeys(const std::string& key, const std::string& stem) {
  std::vector<std::string> keys;
  for (const std::string& name : Names(key, false)) {
    if (SameText(name, stem) || NumberAfter(name, stem) >= 0) keys.push_back(AddBackslash(key) + name);
  }
  return keys;
}

}  // namespace vorlan

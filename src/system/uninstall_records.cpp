#include "system/uninstall_records.h"

#include <algorithm>
#include <utility>

#include "system/vorlan_registry.h"

namespace vorlan {

std::string ActiveXRecordPath(const std::string& record) {
  size_t separator = record.rfind(';');
  return separator == std::string::npos ? record : record.substr(0, separator);
}

int64_t RecordNumber(const std::string& name, const std::string& stem) {
  if (name.size() <= stem.size() || !StartsWithText(name, stem)) return -1;
  std::string digits = name.substr(stem.size());
  if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) return -1;
  return StrToIntDef(digits, -1);
}

std::vector<std::string> NumberedNames(const TStringList& names, const std::string& stem) {
  std::vector<std::pair<int64_t, std::string>> numbered;
  for (const std::string& name : names) {
    if (int64_t n = RecordNumber(name, stem); n >= 0) numbered.emplace_back(n, name);
  }
  std::sort(numbered.begin(), numbered.end());
  std::vector<std::string> ordered;
  for (auto& [n, name] : numbered) ordered.push_back(std::move(name));
  return ordered;
}

TStringList RecordNames(const std::string& key, bool values) {
  TVorlanRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  if (!registry.OpenKeyReadOnly(key)) return {};
  return values ? registry.GetValueNames() : registry.GetKeyNames();
}

std::vector<std::string> RecordListKeys(const std::string& key, const std::string& stem) {
  std::vector<std::string> keys;
  for (const std::string& name : RecordNames(key, false)) {
    if (SameText(name, stem) || RecordNumber(name, stem) >= 0) keys.push_back(AddBackslash(key) + name);
  }
  return keys;
}

std::vector<std::string> RecordTexts(const std::string& key, const std::string& stem) {
  TVorlanRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  if (!registry.OpenKeyReadOnly(key)) return {};
  std::vector<std::string> texts;
  for (const std::string& name : NumberedNames(registry.GetValueNames(), stem)) {
    if (std::optional<std::string> text = registry.ReadString(name)) texts.push_back(std::move(*text));
  }
  return texts;
}

}  // namespace vorlan

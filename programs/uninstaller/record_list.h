#pragma once
// One numbered list of uninstall records under the product's entry: values
// (or subkeys) named by a stem and 1, 2, ... ("File1", "RegistryKey2"). A
// record is deleted once it has been dealt with, so that running the
// uninstaller again after a failure does not handle it a second time.

#include <functional>
#include <string>
#include <vector>

namespace vorlan {

class TRecordList {
 public:
  // key: the list's key below HKEY_LOCAL_MACHINE.
  explicit TRecordList(std::string key) : key_(std::move(key)) {}

  // The texts of the values stem1, stem2, ... in their order; handle answers
  // whether the record is done with.
  void ForEachValue(const std::string& stem, const std::function<bool(const std::string& text)>& handle);
  // The subkeys stem1, stem2, ... in their order, as full key paths.
  void ForEachKey(const std::string& stem, const std::function<bool(const std::string& key)>& handle);
  // Deletes the list when no record is left in it.
  void RemoveWhenDone(const std::string& stem);

 private:
  std::vector<std::string> Numbered(const std::vector<std::string>& names, const std::string& stem) const;

  std::string key_;
};

// The subkeys of key that start a list of this stem: the stem alone or
// followed by a number ("Files", "Files1"), as full key paths.
std::vector<std::string> ListKeys(const std::string& key, const std::string& stem);

}  // namespace vorlan

#pragma once
// One numbered list of uninstall records under the product's entry: values
// (or subkeys) named by a stem and 1, 2, ... ("File1", "RegistryKey2"). A
// record is deleted once it has been dealt with, so that running the
// uninstaller again after a failure does not handle it a second time.

#include <functional>
#include <string>

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
  std::string key_;
};

}  // namespace vorlan

#pragma once
// Keeps one registry value as it was: its type and data, or its absence,
// and which keys on its path existed. Restore puts back exactly that and
// removes the keys that a test created on the way.

#include <windows.h>

#include <string>
#include <vector>

namespace vorlan::testing {

class TSavedRegistryValue {
 public:
  // key is the path from the root, without a leading "\".
  TSavedRegistryValue(HKEY root, std::string key, std::string name);
  ~TSavedRegistryValue() { Restore(); }
  TSavedRegistryValue(const TSavedRegistryValue&) = delete;
  TSavedRegistryValue& operator=(const TSavedRegistryValue&) = delete;

  void Set(const std::string& text) const;
  void Delete() const;
  void Restore() const;

 private:
  HKEY root_;
  std::string key_;
  std::string name_;
  // The key and its parents that did not exist, deepest first.
  std::vector<std::string> missing_keys_;
  bool existed_ = false;
  DWORD type_ = REG_NONE;
  std::vector<BYTE> data_;
};

}  // namespace vorlan::testing

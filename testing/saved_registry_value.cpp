#include "saved_registry_value.h"

#include <gtest/gtest.h>

#include "system/unique_handle.h"

namespace vorlan::testing {

namespace {

TUniqueKey OpenKey(HKEY root, const std::string& key, REGSAM access) {
  TUniqueKey handle;
  if (RegOpenKeyExA(root, key.c_str(), 0, access, handle.Receive()) != ERROR_SUCCESS) handle.Reset();
  return handle;
}

}  // namespace

TSavedRegistryValue::TSavedRegistryValue(HKEY root, std::string key, std::string name)
    : root_(root), key_(std::move(key)), name_(std::move(name)) {
  std::string path = key_;
  while (!path.empty() && !OpenKey(root_, path, KEY_READ)) {
    missing_keys_.push_back(path);
    size_t cut = path.find_last_of('\\');
    path = cut == std::string::npos ? std::string() : path.substr(0, cut);
  }
  TUniqueKey handle = OpenKey(root_, key_, KEY_READ);
  DWORD size = 0;
  if (!handle || RegQueryValueExA(handle.Get(), name_.c_str(), nullptr, &type_, nullptr, &size) != ERROR_SUCCESS) {
    return;
  }
  data_.resize(size);
  existed_ = RegQueryValueExA(handle.Get(), name_.c_str(), nullptr, &type_, data_.data(), &size) == ERROR_SUCCESS;
  data_.resize(size);
}

void TSavedRegistryValue::Set(const std::string& text) const {
  TUniqueKey handle;
  ASSERT_EQ(RegCreateKeyExA(root_, key_.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, handle.Receive(), nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExA(handle.Get(), name_.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                           static_cast<DWORD>(text.size() + 1)),
            ERROR_SUCCESS);
}

void TSavedRegistryValue::Delete() const {
  if (TUniqueKey handle = OpenKey(root_, key_, KEY_SET_VALUE)) RegDeleteValueA(handle.Get(), name_.c_str());
}

void TSavedRegistryValue::Restore() const {
  if (existed_) {
    TUniqueKey handle = OpenKey(root_, key_, KEY_SET_VALUE);
    ASSERT_TRUE(handle) << key_;
    ASSERT_EQ(RegSetValueExA(handle.Get(), name_.c_str(), 0, type_, data_.data(), static_cast<DWORD>(data_.size())),
              ERROR_SUCCESS);
    return;
  }
  Delete();
  for (const std::string& key : missing_keys_) RegDeleteKeyA(root_, key.c_str());
}

}  // namespace vorlan::testing

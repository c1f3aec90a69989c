#include "system/vorlan_registry.h"

#include <algorithm>
#include <vector>

#include "base/format.h"
#include "system/system_exceptions.h"

namespace vorlan {

namespace {
constexpr REGSAM kOpenAccess = KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY;  // 0x2001F

bool IsRelative(const std::string& key) { return key.empty() || key[0] != '\\'; }
std::string Stripped(const std::string& key) { return IsRelative(key) ? key : key.substr(1); }

TStringList EnumNames(HKEY key, bool values) {
  DWORD count = 0, longest = 0;
  LONG status = values ? RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                                          &longest, nullptr, nullptr, nullptr)
                       : RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &count, &longest, nullptr, nullptr,
                                          nullptr, nullptr, nullptr, nullptr);
  TStringList names;
  if (status != ERROR_SUCCESS) return names;
  std::vector<char> buffer(longest + 1);
  for (DWORD i = 0; i < count; ++i) {
    DWORD length = static_cast<DWORD>(buffer.size());
    status = values ? RegEnumValueA(key, i, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr)
                    : RegEnumKeyExA(key, i, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_SUCCESS) names.emplace_back(buffer.data(), length);
  }
  return names;
}
}  // namespace

void TVorlanRegistry::SetRootKey(HKEY value) {
  CloseKey();
  root_key_ = value;
}

HKEY TVorlanRegistry::BaseKey(bool relative) const {
  return relative && current_key_ ? current_key_.Get() : root_key_;
}

void TVorlanRegistry::ChangeKey(TUniqueKey key, const std::string& path, bool relative) {
  std::string new_path = relative && current_key_ ? current_path_ + "\\" + path : path;
  CloseKey();
  current_key_ = std::move(key);
  current_path_ = std::move(new_path);
}

bool TVorlanRegistry::OpenWith(const std::string& key, REGSAM access) {
  TUniqueKey opened;
  bool relative = IsRelative(key);
  if (RegOpenKeyExA(BaseKey(relative), Stripped(key).c_str(), 0, access, opened.Receive()) != ERROR_SUCCESS) {
    return false;
  }
  ChangeKey(std::move(opened), Stripped(key), relative);
  return true;
}

bool TVorlanRegistry::OpenKey(const std::string& key, bool can_create) {
  std::string path = Stripped(key);
  if (!can_create || path.empty() || KeyExists(key)) return OpenWith(key, kOpenAccess);
  TUniqueKey created;
  bool relative = IsRelative(key);
  DWORD disposition = 0;
  if (RegCreateKeyExA(BaseKey(relative), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                      nullptr, created.Receive(), &disposition) != ERROR_SUCCESS) {
    return false;
  }
  ChangeKey(std::move(created), path, relative);
  return true;
}

bool TVorlanRegistry::OpenKeyReadOnly(const std::string& key) { return OpenWith(key, KEY_READ); }

bool TVorlanRegistry::KeyExists(const std::string& key) {
  TUniqueKey probe;
  return RegOpenKeyExA(BaseKey(IsRelative(key)), Stripped(key).c_str(), 0, KEY_READ, probe.Receive()) ==
         ERROR_SUCCESS;
}

bool TVorlanRegistry::DeleteKey(const std::string& key) {
  bool relative = IsRelative(key);
  std::string path = Stripped(key);
  // An empty name opens the base key itself: every key under it would go.
  if (path.empty()) return false;
  HKEY base = BaseKey(relative);
  TUniqueKey target;
  if (RegOpenKeyExA(base, path.c_str(), 0, KEY_ALL_ACCESS, target.Receive()) == ERROR_SUCCESS) {
    // The subkeys are named relative to the key itself while they go; the
    // names are taken first, as deleting renumbers the rest.
    TUniqueKey previous = std::exchange(current_key_, std::move(target));
    for (const std::string& name : EnumNames(current_key_.Get(), false)) DeleteKey(name);
    current_key_ = std::move(previous);
  }
  return RegDeleteKeyA(base, path.c_str()) == ERROR_SUCCESS;
}

void TVorlanRegistry::CloseKey() {
  if (!current_key_) return;
  if (!lazy_write_) RegFlushKey(current_key_.Get());
  current_key_.Reset();
  current_path_.clear();
}

bool TVorlanRegistry::ValueExists(const std::string& name) {
  return RegQueryValueExA(current_key_.Get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) ==
         ERROR_SUCCESS;
}

// Most values fit the first buffer, and one query then does: the registry
// is another process on some systems, and each query a trip to it.
std::optional<std::string> TVorlanRegistry::ReadString(const std::string& name) {
  std::vector<char> data(256);
  DWORD type = 0, size = 0;
  LONG result;
  do {
    size = static_cast<DWORD>(data.size());
    result = RegQueryValueExA(current_key_.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                              &size);
    if (result == ERROR_MORE_DATA) data.resize(size + 1);
  } while (result == ERROR_MORE_DATA);
  if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
  // The stored data need not end in a terminator, or may hold several.
  std::string text(data.data(), std::min<size_t>(size, data.size()));
  return text.substr(0, text.find('\0'));
}

std::optional<int32_t> TVorlanRegistry::ReadInteger(const std::string& name) {
  DWORD type = 0, value = 0, size = sizeof value;
  if (RegQueryValueExA(current_key_.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                       &size) != ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof value) {
    return std::nullopt;
  }
  return static_cast<int32_t>(value);
}

void TVorlanRegistry::SetData(const std::string& name, DWORD type, const void* data, DWORD size) {
  if (RegSetValueExA(current_key_.Get(), name.c_str(), 0, type, static_cast<const BYTE*>(data), size) !=
      ERROR_SUCCESS) {
    throw ERegistryException(Format("Failed to set data for '%s'", name));
  }
}

void TVorlanRegistry::WriteString(const std::string& name, const std::string& value) {
  SetData(name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

void TVorlanRegistry::WriteInteger(const std::string& name, int32_t value) {
  SetData(name, REG_DWORD, &value, sizeof value);
}

bool TVorlanRegistry::DeleteValue(const std::string& name) {
  return RegDeleteValueA(current_key_.Get(), name.c_str()) == ERROR_SUCCESS;
}

TStringList TVorlanRegistry::GetKeyNames() { return EnumNames(current_key_.Get(), false); }

TStringList TVorlanRegistry::GetValueNames() { return EnumNames(current_key_.Get(), true); }

}  // namespace vorlan

#pragma once
// TVorlanRegistry: a registry accessor that opens keys with the narrowest
// rights that still allow the operation. It keeps a root key and one open
// current key; a key path that begins with "\" is taken from the root, any
// other from the current key (or the root when none is open).

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "base/strings.h"
#include "system/unique_handle.h"

namespace vorlan {

class TVorlanRegistry {
 public:
  TVorlanRegistry() = default;
  ~TVorlanRegistry() { CloseKey(); }
  TVorlanRegistry(const TVorlanRegistry&) = delete;
  TVorlanRegistry& operator=(const TVorlanRegistry&) = delete;

  HKEY RootKey() const { return root_key_; }
  // Closes the current key first.
  void SetRootKey(HKEY value);
  HKEY CurrentKey() const { return current_key_.Get(); }
  const std::string& CurrentPath() const { return current_path_; }
  // Off: closing a key flushes it to disk first.
  bool LazyWrite() const { return lazy_write_; }
  void SetLazyWrite(bool value) { lazy_write_ = value; }

  // Opens (with can_create, creates) the key and makes it the current key.
  bool OpenKey(const std::string& key, bool can_create);
  // Opens an existing key with read rights only.
  bool OpenKeyReadOnly(const std::string& key);
  bool KeyExists(const std::string& key);
  // Deletes the key with every subkey; answers whether the key is gone. An
  // empty key answers false and deletes nothing.
  bool DeleteKey(const std::string& key);
  void CloseKey();

  // Values of the current key. Reads answer nothing when the value is
  // missing or of another type; writes raise ERegistryException.
  bool ValueExists(const std::string& name);
  std::optional<std::string> ReadString(const std::string& name);
  std::optional<int32_t> ReadInteger(const std::string& name);
  void WriteString(const std::string& name, const std::string& value);
  void WriteInteger(const std::string& name, int32_t value);
  bool DeleteValue(const std::string& name);
  TStringList GetKeyNames();
  TStringList GetValueNames();

 private:
  HKEY BaseKey(bool relative) const;
  bool OpenWith(const std::string& key, REGSAM access);
  void ChangeKey(TUniqueKey key, const std::string& path, bool relative);
  void SetData(const std::string& name, DWORD type, const void* data, DWORD size);

  HKEY root_key_ = HKEY_CURRENT_USER;
  TUniqueKey current_key_;
  std::string current_path_;
  bool lazy_write_ = true;
};

}  // namespace vorlan

#pragma once
// One-call registry helpers. The root is a TRootKeys position (0 ... 5);
// each call uses an accessor of its own and keeps no key open. Reads answer
// their default on any failure; writes raise EIRCannotWriteValue.

#include <windows.h>

#include <cstdint>
#include <string>

#include "system/vorlan_registry.h"

namespace vorlan {

enum TRootKeys : uint8_t { hkClassesRoot, hkCurrentConfig, hkCurrentUser, hkDynData, hkLocalMachine, hkUsers };

// The predefined handle of a root.
HKEY RootKeyHandle(TRootKeys root);
// Selects the root at position; positions outside 0 ... 5 leave it as it was.
void SetRootKeyIndex(TVorlanRegistry& registry, int position);
// The position of a predefined root handle, default_index for any other.
int RootKeyIndex(HKEY handle, int default_index);

std::string ReadRegString(int root, const std::string& key, const std::string& name,
                          const std::string& default_text);
int32_t ReadRegInteger(int root, const std::string& key, const std::string& name, int32_t default_value);
// Open or create the key and write the value.
void WriteRegString(int root, const std::string& key, const std::string& name, const std::string& text);
void WriteRegInteger(int root, const std::string& key, const std::string& name, int32_t value);
// Deletes the key and everything under it; swallows every error.
void DeleteRegKeyTree(int root, const std::string& key);

// Stores command under the RunOnce key (HKEY_CURRENT_USER on the NT family,
// HKEY_LOCAL_MACHINE elsewhere) as name, or with unique as the first of
// name, name1, name2, ... not yet taken. Answers whether it was stored.
bool AddRunOnceEntry(const std::string& name, const std::string& command, bool unique);

}  // namespace vorlan

#pragma once
// The records an installation writes under its product's Add/Remove
// Programs entry and the uninstaller reads (HKEY_LOCAL_MACHINE
// \Software\Microsoft\Windows\CurrentVersion\Uninstall\<product>): numbered
// lists of values or subkeys, named by a stem and 1, 2, ..., with their
// count in "Entries":
//
//   Files, Files1 ...  File1 ...         "path"       installed files and links
//   ActiveX            File1 ...         "path;kind"  self-registering files
//   RegistryKeys       RegistryKey1 ...  subkeys      Key, Root, Entries\<names>,
//                                                     Created: the outermost part of
//                                                     Key that the installation created
//   Directories        Directory1 ...    "path"       directories the installation
//                                                     created, outermost first
//   SharedDLLs         File1 ...         "path"       files whose SharedDLLs counter
//                                                     the product counted up
//
// An installation run again adds no record for what one already names, so
// one uninstall takes everything back and each count down once. Entries
// written before "Directories" and "SharedDLLs" existed have neither list.

#include <cstdint>
#include <string>
#include <vector>

#include "base/strings.h"

namespace vorlan {

namespace uninstall_record {
inline constexpr const char* kEntries = "Entries";
inline constexpr const char* kFiles = "Files";
inline constexpr const char* kFile = "File";
inline constexpr const char* kActiveX = "ActiveX";
inline constexpr const char* kRegistryKeys = "RegistryKeys";
inline constexpr const char* kRegistryKey = "RegistryKey";
inline constexpr const char* kCreated = "Created";
inline constexpr const char* kDirectories = "Directories";
inline constexpr const char* kDirectory = "Directory";
inline constexpr const char* kSharedDLLs = "SharedDLLs";
}  // namespace uninstall_record

// The path of an ActiveX record ("path;kind").
std::string ActiveXRecordPath(const std::string& record);
// The number after the stem, or -1 when the name is not the stem and digits.
int64_t RecordNumber(const std::string& name, const std::string& stem);
// The names that are the stem and a number, ordered by the number.
std::vector<std::string> NumberedNames(const TStringList& names, const std::string& stem);
// The names of the values, or of the subkeys, of the key below
// HKEY_LOCAL_MACHINE; none when it cannot be read.
TStringList RecordNames(const std::string& key, bool values);
// The subkeys of the key below HKEY_LOCAL_MACHINE that start a list of this
// stem: the stem alone or followed by a number ("Files", "Files1"), as
// full key paths.
std::vector<std::string> RecordListKeys(const std::string& key, const std::string& stem);
// The texts of the values stem1, stem2, ... of the key, in their order.
std::vector<std::string> RecordTexts(const std::string& key, const std::string& stem);

}  // namespace vorlan

#pragma once
// What a Windows program asks of the system before its first instruction
// runs: the functions its import table names, DLL by DLL, and the oldest
// system and subsystem versions its header accepts.

#include <map>
#include <set>
#include <string>

namespace vorlan::testing {

struct TPeVersion {
  int major = 0;
  int minor = 0;
};

struct TImportTable {
  TPeVersion os_version;
  TPeVersion subsystem_version;
  // By DLL as the table spells it; a function imported by ordinal is "#n".
  std::map<std::string, std::set<std::string>> functions;
};

// Raises std::runtime_error naming the file when it is no 32-bit program or
// its import table points outside it.
TImportTable ReadImportTable(const std::string& path);

}  // namespace vorlan::testing

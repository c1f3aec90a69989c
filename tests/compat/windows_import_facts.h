#pragma once
// TWindowsImportFacts: the table of what the shipped programs may import
// (windows_imports.txt): for each function of each DLL, the Windows kinds
// whose DLL does not export it and where that fact comes from.

#include <map>
#include <string>
#include <vector>

namespace vorlan::testing {

// The Windows kinds the setup serves, oldest first, as the table names them.
extern const std::vector<std::string> kServedWindowsKinds;

struct TImportFact {
  std::vector<std::string> lacking_on;  // in the order of kServedWindowsKinds
  std::string source;                   // the source's text and the entry's remark
};

class TWindowsImportFacts {
 public:
  // Raises std::runtime_error naming the line of an entry that does not
  // hold: a missing field, an unknown Windows kind or source, a repeat.
  static TWindowsImportFacts Parse(const std::string& text);
  static TWindowsImportFacts Read(const std::string& path);

  // DLL names are compared without regard to case, as Windows does.
  bool KnowsDll(const std::string& dll) const;
  const TImportFact* Find(const std::string& dll, const std::string& function) const;

 private:
  std::map<std::string, std::map<std::string, TImportFact>> facts_;
};

}  // namespace vorlan::testing

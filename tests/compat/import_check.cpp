#include "import_check.h"

namespace vorlan::testing {

namespace {
// Windows NT 4.0 and Windows 95 both load programs that ask for 4.0.
void CheckVersion(const char* what, const TPeVersion& version, std::vector<std::string>& problems) {
  if (version.major > 4 || (version.major == 4 && version.minor > 0)) {
    problems.push_back(std::string(what) + " version " + std::to_string(version.major) + "." +
                       std::to_string(version.minor) + " is above 4.0");
  }
}

std::string Joined(const std::vector<std::string>& kinds) {
  std::string text;
  for (const std::string& kind : kinds) text += (text.empty() ? "" : ", ") + kind;
  return text;
}
}  // namespace

std::vector<std::string> ImportProblems(const TImportTable& imports, const TWindowsImportFacts& facts) {
  std::vector<std::string> problems;
  for (const auto& [dll, functions] : imports.functions) {
    if (!facts.KnowsDll(dll)) {
      problems.push_back(dll + ": a DLL the table does not know");
      continue;
    }
    for (const std::string& function : functions) {
      const TImportFact* fact = facts.Find(dll, function);
      if (!fact) {
        problems.push_back(dll + " " + function + ": not in the table");
      } else if (!fact->lacking_on.empty()) {
        problems.push_back(dll + " " + function + ": lacking on " + Joined(fact->lacking_on) + " (" +
                           fact->source + ")");
      }
    }
  }
  CheckVersion("system", imports.os_version, problems);
  CheckVersion("subsystem", imports.subsystem_version, problems);
  return problems;
}

}  // namespace vorlan::testing

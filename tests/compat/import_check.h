#pragma once
// The import check: every reason a program would not start on one of the
// Windows kinds the setup serves, or would go out unchecked.

#include <string>
#include <vector>

#include "import_table.h"
#include "windows_import_facts.h"

namespace vorlan::testing {

// One line per problem, in the order of the table: a DLL the facts do not
// know, a function they do not know, a function lacking on a kind served,
// a system or subsystem version above 4.0. Empty when the program starts on
// every kind served.
std::vector<std::string> ImportProblems(const TImportTable& imports, const TWindowsImportFacts& facts);

}  // namespace vorlan::testing

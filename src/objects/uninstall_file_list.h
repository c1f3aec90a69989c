#pragma once
// The "Files" list under a product's Uninstall key that tells the separate
// uninstaller which files and links to remove.

#include <string>

namespace vorlan {

class ProgramScope;

// The list key is kept open between records for the life of the scope.
void RegisterUninstallFileLists(ProgramScope& scope);

// Appends path to the list under HKEY_LOCAL_MACHINE key\Files, unless one
// of the product's lists holds it already (an installation run again); a
// list key that cannot be read or written is passed over for Files1,
// Files2, ..., and after the last attempt the write error is raised.
void AddUninstallFileRecord(const std::string& key, const std::string& path);

}  // namespace vorlan

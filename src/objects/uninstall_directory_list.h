#pragma once
// The directories an installation creates, recorded in the "Directories"
// list under the product's entry so that its uninstall removes them again
// once they are empty, and no directory that was there before.

#include <string>
#include <vector>

namespace vorlan {

// Creates path with every missing parent; answers the directories this
// created, outermost first. A failure is not reported here: writing into
// the directory reports it.
std::vector<std::string> ForceDirectoriesCreated(const std::string& path);

// Appends the directories to the list under HKEY_LOCAL_MACHINE key, each
// once; raises the registry's write error.
void AddUninstallDirectoryRecords(const std::string& key, const std::vector<std::string>& directories);

}  // namespace vorlan

#pragma once
// The uninstaller cannot delete its own program while it runs. At its end
// it leaves a copy of itself in the temporary directory that waits for it
// to end, deletes it and then the directories it was given, deepest first,
// each when it is empty; the copy itself goes at the next start of Windows.

#include <string>
#include <vector>

namespace vorlan {

// Falls back to deleting the program at the next start of Windows.
void ScheduleSelfRemoval(const std::string& own_path, const std::vector<std::string>& directories);
// The copy's work; answers its exit code.
int RemoveEndedUninstaller(unsigned long process_id, const std::string& path,
                           std::vector<std::string> directories);

}  // namespace vorlan

#pragma once
// The uninstaller cannot delete its own program while it runs. At its end
// it leaves a copy of itself in the temporary directory that waits for it
// to end, deletes it and its directory when that is then empty; the copy
// itself goes at the next start of Windows.

#include <string>

namespace vorlan {

// Falls back to deleting the program at the next start of Windows.
void ScheduleSelfRemoval(const std::string& own_path);
// The copy's work; answers its exit code.
int RemoveEndedUninstaller(unsigned long process_id, const std::string& path);

}  // namespace vorlan

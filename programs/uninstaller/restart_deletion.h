#pragma once
// Deleting at the next start of Windows what cannot be deleted now: by a
// delayed move on the NT family, by WININIT.INI on Windows 95, 98 and ME.

#include <string>

namespace vorlan {

// Answers whether Windows took the request.
bool DeleteAtRestart(const std::string& path);
// An empty directory goes at restart after the files; Windows 95, 98 and ME
// cannot do that, and the directory stays.
bool DeleteDirectoryAtRestart(const std::string& path);

}  // namespace vorlan

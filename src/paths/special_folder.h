#pragma once
// The shell's special folders by CSIDL number.

#include <string>

namespace vorlan {

// The file-system path of the folder, or an empty path when the shell does
// not know the folder or the folder is virtual (printers, control panel,
// recycle bin). Never raises.
std::string GetSpecialFolderPath(int csidl);

}  // namespace vorlan

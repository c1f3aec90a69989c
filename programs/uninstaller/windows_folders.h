#pragma once
// Folders that belong to Windows or to the user, not to a product: a
// shortcut on the desktop or a program in the system directory must not
// take its folder with it when the folder is left empty.

#include <string>

namespace vorlan {

bool IsWindowsFolder(const std::string& directory);

}  // namespace vorlan

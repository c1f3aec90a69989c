#pragma once
// Creating the directory of a folder or shortcut.

#include <string>

namespace vorlan {

// Creates path with every missing parent. A failure is not reported here
// (writing into the directory reports it); an empty path raises.
void ForceLinkDirectory(const std::string& path);

}  // namespace vorlan

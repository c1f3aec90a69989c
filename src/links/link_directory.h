#pragma once
// Creating the directory of a folder or shortcut.

#include <string>

namespace vorlan {

class TInstallContainer;

// Creates path with every missing parent, recorded for the uninstaller as
// created by object. A failure is not reported here (writing into the
// directory reports it); an empty path raises.
void ForceLinkDirectory(TInstallContainer& object, const std::string& path);

}  // namespace vorlan

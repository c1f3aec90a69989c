#pragma once
// The one rule that turns a root and a relative text into a path, for
// destinations (DestDirType, DestDir) and archives (ArchiveFileType,
// ArchiveFile) alike.

#include <string>

namespace vorlan {

class TInstallContainer;
class TCustomPathSpecifier;

// The specifier's path for object followed directly by relative (no
// separator is inserted), or relative alone without a specifier; then one
// trailing backslash removed. Relative texts therefore start with "\".
std::string ExpandPath(TCustomPathSpecifier* specifier, TInstallContainer* object, const std::string& relative);

}  // namespace vorlan

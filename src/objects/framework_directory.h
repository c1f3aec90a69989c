#pragma once
// Where the framework is installed on an author's machine: the directory
// that holds the built loading program and uninstaller, marked by the file
// "Q32V52.TXT". Build mode and the uninstaller object look for it on the
// development environment's library search path:
//
//   HKEY_CURRENT_USER  \Software\Vorlan\Setup\Environment  "SearchPath"
//       directories separated by ";", each may start with $(VORLAN)
//   HKEY_LOCAL_MACHINE \Software\Vorlan\Setup\Environment  "RootDir"
//       the directory $(VORLAN) stands for

#include <string>

namespace vorlan {

inline constexpr const char* kEnvironmentKey = "\\Software\\Vorlan\\Setup\\Environment";
inline constexpr const char* kSearchPathValue = "SearchPath";
inline constexpr const char* kRootDirValue = "RootDir";
inline constexpr const char* kRootMacro = "$(VORLAN)";
inline constexpr const char* kFrameworkMarker = "Q32V52.TXT";

// The first search-path entry holding the marker, without a trailing
// backslash. When none does: raises IENoVorlanPath if required, else empty.
std::string FindFrameworkDirectory(bool required);

}  // namespace vorlan

#pragma once
// The Windows shell folders and program directories as the registry names
// them, one trailing backslash removed. A value that is missing or cannot
// be read gives the default of each lookup; none of them raises for that.

#include <string>

namespace vorlan {

// HKEY_CURRENT_USER ...\Explorer\Shell Folders "Start Menu";
// default the Windows directory + "Startmen".
std::string GetStartMenuDir();
// "Programs"; default GetStartMenuDir + "Programs".
std::string GetProgramsMenuDir();
// "Desktop"; default the Windows directory + "Desktop".
std::string GetDesktopDir();
// "Startup"; default the Windows directory + "Startup".
std::string GetStartupDir();
// HKEY_LOCAL_MACHINE ...\CurrentVersion "ProgramFilesDir";
// default the current drive + "Program Files".
std::string GetProgramFilesDir();
// "CommonFilesDir"; default the current drive + "Program Files\Common Files".
std::string GetCommonFilesDir();

// The drive of the process's current directory ("C:", or "\\server\share"
// for a network path).
std::string CurrentDrive();

}  // namespace vorlan

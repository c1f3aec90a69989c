#include "paths/folder_specifiers.h"

#include "base/strings.h"
#include "component/class_info.h"
#include "paths/shell_folders.h"
#include "system/registry_routines.h"
#include "system/system_dirs.h"

namespace vorlan {

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsBDEDLL, "psBDEDLL", "Borland Database Engine DLL Path", "BDE DLL")
std::string TpsBDEDLL::GetPath(TInstallContainer* /*object*/) {
  std::string path = ReadRegString(hkLocalMachine, "\\Software\\Borland\\Database Engine", "DLLPath", "");
  if (path.empty()) path = AddBackslash(GetProgramFilesDir()) + "Borland\\Common Files\\BDE";
  return ExtractField(path, 1, ';');
}

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsCommonFiles, "psCommonFiles",
                               "Path of the common files directory under the program files directory", "Common files")
std::string TpsCommonFiles::GetPath(TInstallContainer* /*object*/) { return GetCommonFilesDir(); }

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsDesktopMenu, "psDesktopMenu", "Path of the Desktop", "Desktop")
std::string TpsDesktopMenu::GetPath(TInstallContainer* /*object*/) { return GetDesktopDir(); }

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsProgramFiles, "psProgramFiles", "Path of the program files directory",
                               "Program files")
std::string TpsProgramFiles::GetPath(TInstallContainer* /*object*/) { return GetProgramFilesDir(); }

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsProgramMenu, "psProgramMenu", "Path of the Programs folder under the Start Menu",
                               "Program menu")
std::string TpsProgramMenu::GetPath(TInstallContainer* /*object*/) { return GetProgramsMenuDir(); }

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsStartMenu, "psStartMenu", "Path of Start Menu", "Start menu")
std::string TpsStartMenu::GetPath(TInstallContainer* /*object*/) { return GetStartMenuDir(); }

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsStartupMenu, "psStartupMenu",
                               "Path of the Startup folder in the Programs folder under the Start Menu",
                               "Startup menu")
std::string TpsStartupMenu::GetPath(TInstallContainer* /*object*/) { return GetStartupDir(); }

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsSystem, "psSystem", "Path of system directory", "System dir")
std::string TpsSystem::GetPath(TInstallContainer* /*object*/) { return RemoveBackslash(GetSystemDir()); }

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsWindow, "psWindow", "Path of the Windows directory", "Windows dir")
std::string TpsWindow::GetPath(TInstallContainer* /*object*/) { return RemoveBackslash(GetWindowsDir()); }


}  // namespace vorlan

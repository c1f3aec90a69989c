#include "windows_folders.h"

#include <windows.h>
#include <shlobj.h>

#include "base/strings.h"
#include "system/co_task_memory.h"
#include "system/system_dirs.h"

namespace vorlan {

namespace {
std::string SpecialFolder(int csidl) {
  TUniqueCoTaskMem<ITEMIDLIST> list;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, list.Receive()))) return {};
  char path[MAX_PATH] = {};
  return SHGetPathFromIDListA(list.Get(), path) ? std::string(path) : std::string();
}

std::string TempDir() {
  char path[MAX_PATH + 1] = {};
  return GetTempPathA(sizeof path, path) ? std::string(path) : std::string();
}
}  // namespace

bool IsWindowsFolder(const std::string& directory) {
  std::string dir = RemoveBackslash(directory);
  // A drive's root, or a path too short to be a product's folder.
  if (dir.size() <= 2) return true;
  static const int kFolders[] = {
      CSIDL_DESKTOPDIRECTORY, CSIDL_COMMON_DESKTOPDIRECTORY, CSIDL_PROGRAMS,       CSIDL_COMMON_PROGRAMS,
      CSIDL_STARTMENU,        CSIDL_COMMON_STARTMENU,        CSIDL_STARTUP,        CSIDL_COMMON_STARTUP,
      CSIDL_PROGRAM_FILES,    CSIDL_PROGRAM_FILES_COMMON,    CSIDL_PERSONAL,       CSIDL_APPDATA,
      CSIDL_COMMON_APPDATA,   CSIDL_LOCAL_APPDATA,           CSIDL_FAVORITES,      CSIDL_SENDTO,
      CSIDL_TEMPLATES,        CSIDL_FONTS,                   CSIDL_SYSTEM,         CSIDL_WINDOWS,
  };
  for (int csidl : kFolders) {
    std::string folder = SpecialFolder(csidl);
    if (!folder.empty() && SameText(RemoveBackslash(folder), dir)) return true;
  }
  for (const std::string& folder : {GetWindowsDir(), GetSystemDir(), TempDir()}) {
    if (!folder.empty() && SameText(RemoveBackslash(folder), dir)) return true;
  }
  return false;
}

}  // namespace vorlan

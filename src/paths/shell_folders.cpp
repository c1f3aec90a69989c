#include "paths/shell_folders.h"

#include <windows.h>

#include <vector>

#include "base/strings.h"
#include "system/registry_routines.h"
#include "system/system_dirs.h"

namespace vorlan {

namespace {

const char kShellFolders[] = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char kCurrentVersion[] = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

std::string ReadFolder(TRootKeys root, const char* key, const char* value, const std::string& fallback) {
  return RemoveBackslash(ReadRegString(root, key, value, fallback));
}

std::string UnderWindowsDir(const char* name) { return AddBackslash(GetWindowsDir()) + name; }

std::string UnderCurrentDrive(const char* name) { return AddBackslash(CurrentDrive()) + name; }

}  // namespace

std::string GetStartMenuDir() {
  return ReadFolder(hkCurrentUser, kShellFolders, "Start Menu", UnderWindowsDir("Startmen"));
}

std::string GetProgramsMenuDir() {
  return ReadFolder(hkCurrentUser, kShellFolders, "Programs", AddBackslash(GetStartMenuDir()) + "Programs");
}

std::string GetDesktopDir() { return ReadFolder(hkCurrentUser, kShellFolders, "Desktop", UnderWindowsDir("Desktop")); }

std::string GetStartupDir() { return ReadFolder(hkCurrentUser, kShellFolders, "Startup", UnderWindowsDir("Startup")); }

std::string GetProgramFilesDir() {
  return ReadFolder(hkLocalMachine, kCurrentVersion, "ProgramFilesDir", UnderCurrentDrive("Program Files"));
}

std::string GetCommonFilesDir() {
  return ReadFolder(hkLocalMachine, kCurrentVersion, "CommonFilesDir",
                    UnderCurrentDrive("Program Files\\Common Files"));
}

std::string CurrentDrive() {
  DWORD size = GetCurrentDirectoryA(0, nullptr);
  std::vector<char> buffer(size + 1);
  DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
  if (length == 0 || length >= buffer.size()) return {};
  std::string dir(buffer.data(), length);
  if (dir.size() >= 2 && dir[1] == ':') return dir.substr(0, 2);
  if (dir.rfind("\\\\", 0) == 0) {
    // \\server\share: up to the separator after the share's name.
    size_t server_end = dir.find('\\', 2);
    size_t share_end = server_end == std::string::npos ? server_end : dir.find('\\', server_end + 1);
    return dir.substr(0, share_end);
  }
  return {};
}

}  // namespace vorlan

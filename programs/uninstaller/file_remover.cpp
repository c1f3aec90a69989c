#include "file_remover.h"

#include <windows.h>

#include <algorithm>
#include <set>

#include "base/file.h"
#include "base/format.h"
#include "base/strings.h"
#include "restart_deletion.h"
#include "shared_dll_count.h"
#include "uninstall_messages.h"
#include "windows_folders.h"

namespace vorlan {

TFileRemoval TFileRemover::Remove(const std::string& path) {
  std::string directory = RemoveBackslash(ExtractFileDir(path));
  auto& held = directories_[UpperCase(directory)];
  held.first = directory;
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return TFileRemoval::frMissing;
  TSharedDLLCount count(path);
  if (!count.LastUser()) {
    count.Release();
    return TFileRemoval::frStillShared;
  }
  // A read-only file is refused by DeleteFile.
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (DeleteFileA(path.c_str())) {
    count.Release();
    return TFileRemoval::frDeleted;
  }
  DWORD error = GetLastError();
  if ((error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED) && DeleteAtRestart(path)) {
    count.Release();
    held.second = true;
    restart_needed_ = true;
    return TFileRemoval::frAtRestart;
  }
  throw EUninstallError(Format(uninstall_message::kFileNotDeleted, path, static_cast<int>(error)));
}

std::vector<std::string> TFileRemover::HeldDirectories() const {
  std::vector<std::string> held;
  for (const auto& [key, entry] : directories_) held.push_back(entry.first);
  return held;
}

std::vector<std::string> TFileRemover::RemoveEmptyDirectories(std::vector<std::string> directories) {
  std::sort(directories.begin(), directories.end(),
            [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
  // By upper-cased path: the directories that hold something left to the
  // restart.
  std::set<std::string> waiting;
  for (const auto& [key, entry] : directories_) {
    if (entry.second) waiting.insert(key);
  }
  std::vector<std::string> left;
  for (const std::string& given : directories) {
    std::string directory = RemoveBackslash(given);
    if (IsWindowsFolder(directory) || RemoveDirectoryA(directory.c_str())) continue;
    if (GetFileAttributesA(directory.c_str()) == INVALID_FILE_ATTRIBUTES) continue;
    if (waiting.count(UpperCase(directory)) && DeleteDirectoryAtRestart(directory)) {
      waiting.insert(UpperCase(RemoveBackslash(ExtractFileDir(directory))));
      continue;
    }
    left.push_back(directory);
  }
  return left;
}

}  // namespace vorlan

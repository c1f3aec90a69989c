#include "file_remover.h"

#include <windows.h>

#include <algorithm>
#include <vector>

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

void TFileRemover::RemoveEmptyDirectories() {
  std::vector<std::pair<std::string, bool>> ordered;
  for (const auto& [key, entry] : directories_) ordered.push_back(entry);
  std::sort(ordered.begin(), ordered.end(),
            [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
  for (const auto& [directory, waits_for_restart] : ordered) {
    if (IsWindowsFolder(directory)) continue;
    // Only an empty directory can be removed; one with files left keeps them.
    if (RemoveDirectoryA(directory.c_str())) continue;
    if (waits_for_restart) DeleteDirectoryAtRestart(directory);
  }
}

}  // namespace vorlan

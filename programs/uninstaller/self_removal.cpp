#include "self_removal.h"

#include <windows.h>

#include <algorithm>

#include "base/strings.h"
#include "restart_deletion.h"
#include "system/system_dirs.h"
#include "system/unique_handle.h"
#include "uninstall_command_line.h"
#include "windows_folders.h"

namespace vorlan {

namespace {
constexpr DWORD kWaitForEndMs = 60000;
constexpr int kDeleteAttempts = 100;
constexpr DWORD kDeleteRetryMs = 100;

std::string OwnModule() {
  char path[MAX_PATH + 1] = {};
  DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  return std::string(path, length);
}

bool StartCopy(const std::string& own_path, const std::vector<std::string>& directories) {
  std::string copy = ChangeFileExt(CreateTempFileName(false), ".exe");
  if (!CopyFileA(own_path.c_str(), copy.c_str(), FALSE)) return false;
  std::string command = "\"" + copy + "\" " + std::string(kRemoveUninstallerSwitch) + " " +
                        IntToStr(GetCurrentProcessId()) + " \"" + own_path + "\"";
  for (const std::string& directory : directories) command += " \"" + directory + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(copy.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    DeleteFileA(copy.c_str());
    return false;
  }
  // It runs on by itself.
  TUniqueKernelHandle process_handle(process.hProcess);
  TUniqueKernelHandle thread_handle(process.hThread);
  return true;
}
}  // namespace

void ScheduleSelfRemoval(const std::string& own_path, const std::vector<std::string>& directories) {
  bool started = false;
  try {
    started = StartCopy(own_path, directories);
  } catch (const std::exception&) {
  }
  if (!started) DeleteAtRestart(own_path);
}

int RemoveEndedUninstaller(unsigned long process_id, const std::string& path, std::vector<std::string> directories) {
  TUniqueKernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, process_id));
  if (process) WaitForSingleObject(process.Get(), kWaitForEndMs);
  bool deleted = false;
  for (int attempt = 0; attempt < kDeleteAttempts && !deleted; ++attempt) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    deleted = DeleteFileA(path.c_str()) || GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
    if (!deleted) Sleep(kDeleteRetryMs);
  }
  if (!deleted) DeleteAtRestart(path);
  std::sort(directories.begin(), directories.end(),
            [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
  for (const std::string& directory : directories) {
    if (!IsWindowsFolder(directory)) RemoveDirectoryA(directory.c_str());
  }
  DeleteAtRestart(OwnModule());
  return deleted ? 0 : 1;
}

}  // namespace vorlan

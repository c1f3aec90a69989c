// Restarting Windows at the end of a run that left work for the next start.

#include <windows.h>

#include <optional>

#include "base/exceptions.h"
#include "engine/custom_install.h"
#include "engine/run_sequence.h"
#include "system/os_version.h"
#include "system/unique_handle.h"
#include "widgets/prompt.h"

namespace vorlan {

namespace {
// The NT family restarts only for a process that holds the shutdown
// privilege enabled.
bool EnableShutdownPrivilege() {
  TUniqueKernelHandle token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.Receive())) return false;
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (!LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid)) return false;
  // Success with ERROR_NOT_ALL_ASSIGNED means the token lacks the privilege.
  return AdjustTokenPrivileges(token.Get(), FALSE, &privileges, 0, nullptr, nullptr) &&
         GetLastError() == ERROR_SUCCESS;
}

// A Windows that will not say what it is cannot be told how to restart.
std::optional<TOSVerType> RunningWindows() {
  try {
    return GetOSVersionType();
  } catch (const Exception&) {
    return std::nullopt;
  }
}

bool RequestReboot() {
  switch (RunningWindows().value_or(osUnidentified)) {
    case oswin95:
    case oswin98:
    case oswinME:
      return ExitWindowsEx(EWX_REBOOT, 0);
    case oswinNT:
    case oswin2K:
    case oswinXP:
      return EnableShutdownPrivilege() && ExitWindowsEx(EWX_REBOOT, 0);
    default:
      return false;
  }
}
}  // namespace

void TRunSequence::RebootWindows() {
  if (RequestReboot()) return;
  if (engine_.OnFailedReboot()) {
    engine_.OnFailedReboot()(&engine_);
    return;
  }
  Ask({TranslateMessage("Could not reboot windows. Please manually reboot windows."),
       TranslateMessage("Information"), MB_OK | MB_ICONINFORMATION, IDOK});
}

}  // namespace vorlan

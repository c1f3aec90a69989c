#include "setup_process.h"

#include <windows.h>

#include "base/file.h"
#include "base/format.h"
#include "loader_error.h"

namespace vorlan {

namespace {
bool UsableHandle(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }

// Inheritable copies of the loader's standard handles are passed on when it
// has any; a loader started from Explorer has none, and the setup then has
// none either. Copies rather than the handles made inheritable: the oldest
// systems cannot change a handle's flags.
bool PassStandardHandles(STARTUPINFOA& startup, TUniqueKernelHandle (&copies)[3]) {
  const DWORD kStandard[] = {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};
  HANDLE process = GetCurrentProcess();
  bool any = false;
  for (int i = 0; i < 3; ++i) {
    HANDLE handle = GetStdHandle(kStandard[i]), copy = nullptr;
    if (UsableHandle(handle) && DuplicateHandle(process, handle, process, &copy, 0, TRUE, DUPLICATE_SAME_ACCESS)) {
      copies[i].Reset(copy);
      any = true;
    }
  }
  if (!any) return false;
  startup.dwFlags |= STARTF_USESTDHANDLES;
  startup.hStdInput = copies[0].Get();
  startup.hStdOutput = copies[1].Get();
  startup.hStdError = copies[2].Get();
  return true;
}
}  // namespace

TSetupProcess::TSetupProcess(const std::string& program, const std::string& command_line) : program_(program) {
  STARTUPINFOA own{};
  own.cb = sizeof own;
  GetStartupInfoA(&own);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  // The way the loader was asked to show its window is meant for the setup.
  if (own.dwFlags & STARTF_USESHOWWINDOW) {
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = own.wShowWindow;
  }
  TUniqueKernelHandle standard_handles[3];
  BOOL inherit = PassStandardHandles(startup, standard_handles);
  std::string line = command_line;
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, inherit, CREATE_SUSPENDED, nullptr, nullptr,
                      &startup, &started)) {
    throw ELoaderError(Format(loader_error::kStartFailed, program, LastErrorMessage()));
  }
  thread_.Reset(started.hThread);
  process_.Reset(started.hProcess);
}

// Its files are in use until it has gone, and the directory they are in is
// removed next.
TSetupProcess::~TSetupProcess() {
  if (started_) return;
  TerminateProcess(process_.Get(), 1);
  WaitForSingleObject(process_.Get(), INFINITE);
}

void TSetupProcess::Start() {
  if (ResumeThread(thread_.Get()) == static_cast<DWORD>(-1)) {
    throw ELoaderError(Format(loader_error::kStartFailed, program_, LastErrorMessage()));
  }
  started_ = true;
  thread_.Reset();
}

int TSetupProcess::Wait() {
  WaitForSingleObject(process_.Get(), INFINITE);
  DWORD code = 1;
  GetExitCodeProcess(process_.Get(), &code);
  return static_cast<int>(code);
}

}  // namespace vorlan

#include "setup_process.h"

#include <windows.h>

#include "base/file.h"
#include "base/format.h"
#include "loader_error.h"

namespace vorlan {

namespace {
bool UsableHandle(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }

// Passes the loader's standard handles on when it has any; a loader
// started from Explorer has none, and the setup then has none either.
bool PassStandardHandles(STARTUPINFOA& startup) {
  HANDLE handles[] = {GetStdHandle(STD_INPUT_HANDLE), GetStdHandle(STD_OUTPUT_HANDLE),
                      GetStdHandle(STD_ERROR_HANDLE)};
  bool any = false;
  for (HANDLE& handle : handles) {
    if (UsableHandle(handle) && SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT)) {
      any = true;
    } else {
      handle = nullptr;
    }
  }
  if (!any) return false;
  startup.dwFlags |= STARTF_USESTDHANDLES;
  startup.hStdInput = handles[0];
  startup.hStdOutput = handles[1];
  startup.hStdError = handles[2];
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
  BOOL inherit = PassStandardHandles(startup);
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

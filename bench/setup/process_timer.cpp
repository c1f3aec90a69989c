#include "process_timer.h"

#include <windows.h>

#include <chrono>
#include <stdexcept>

#include "base/file.h"
#include "base/format.h"
#include "system/unique_handle.h"

namespace vorlan::bench {

namespace {
// Every parameter quoted; none of the benchmark's contains a quote.
std::string CommandLine(const std::vector<std::string>& command) {
  std::string line;
  for (const std::string& part : command) line += (line.empty() ? "\"" : " \"") + part + "\"";
  return line;
}

// The program writes its failures where this one does, so the run
// script's log tells why a contender failed; its other output (and that of
// the batch file a setup leaves running) is dropped.
void PassStandardHandles(STARTUPINFOA& startup) {
  HANDLE handles[] = {GetStdHandle(STD_INPUT_HANDLE), nullptr, GetStdHandle(STD_ERROR_HANDLE)};
  for (HANDLE& handle : handles) {
    if (!handle || handle == INVALID_HANDLE_VALUE || !SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT)) {
      handle = nullptr;
    }
  }
  startup.dwFlags |= STARTF_USESTDHANDLES;
  startup.hStdInput = handles[0];
  startup.hStdOutput = handles[1];
  startup.hStdError = handles[2];
}
}  // namespace

double TimeProcess(const std::vector<std::string>& command) {
  if (command.empty()) throw std::invalid_argument("no program to time");
  std::string line = CommandLine(command);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PassStandardHandles(startup);
  PROCESS_INFORMATION started{};
  auto start = std::chrono::steady_clock::now();
  if (!CreateProcessA(command[0].c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                      &started)) {
    throw std::runtime_error(Format("cannot start %s: %s", command[0], LastErrorMessage()));
  }
  TUniqueKernelHandle thread(started.hThread);
  TUniqueKernelHandle process(started.hProcess);
  WaitForSingleObject(process.Get(), INFINITE);
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  DWORD code = 1;
  GetExitCodeProcess(process.Get(), &code);
  if (code != 0) throw std::runtime_error(Format("%s ended with exit code %d", command[0], static_cast<int>(code)));
  return seconds;
}

}  // namespace vorlan::bench

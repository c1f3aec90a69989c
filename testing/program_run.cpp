#include "program_run.h"

#include "system/unique_handle.h"
#include "win_test_support.h"

namespace vorlan::testing {

namespace {
std::string NewTempFile() {
  char directory[MAX_PATH] = {};
  char path[MAX_PATH] = {};
  GetTempPathA(sizeof directory, directory);
  GetTempFileNameA(directory, "vrn", 0, path);
  return path;
}
}  // namespace

TProgramRun RunProgram(const std::string& command_line, DWORD timeout_ms, const TProgramStarted& started) {
  TProgramRun run;
  std::string output_path = NewTempFile();
  {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    TUniqueFileHandle output(CreateFileA(output_path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                         &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output.Get();
    startup.hStdError = output.Get();
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process{};
    std::string command = command_line;
    run.started = output && CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                           &startup, &process);
    if (run.started) {
      TUniqueKernelHandle process_handle(process.hProcess);
      TUniqueKernelHandle thread_handle(process.hThread);
      if (started) started(process.dwProcessId);
      run.ended = WaitForSingleObject(process.hProcess, timeout_ms) == WAIT_OBJECT_0;
      if (!run.ended) TerminateProcess(process.hProcess, 99);
      GetExitCodeProcess(process.hProcess, &run.exit_code);
    }
  }
  run.output = ReadWholeFile(output_path);
  DeleteFileA(output_path.c_str());
  return run;
}

}  // namespace vorlan::testing

#include "system/program_launcher.h"

#include <windows.h>

#include <vector>

#include "component/class_info.h"
#include "system/system_exceptions.h"
#include "system/unique_handle.h"

namespace vorlan {

namespace {
WORD ShowCommand(TplShowMode mode) {
  switch (mode) {
    case smMaximized:
      return SW_SHOWMAXIMIZED;
    case smMinimized:
      return SW_SHOWMINIMIZED;
    case smHide:
      return SW_HIDE;
    default:
      return SW_SHOWNORMAL;
  }
}

// CreateProcess answers a system error; the launch codes are the loader's.
// Most coincide; a file that is no program and a file in use are told by
// their own launch codes.
int LaunchCode(DWORD error) {
  switch (error) {
    case ERROR_BAD_EXE_FORMAT:
    case ERROR_EXE_MACHINE_TYPE_MISMATCH:
      return 11;
    case ERROR_SHARING_VIOLATION:
      return 5;
    default:
      return static_cast<int>(error);
  }
}
}  // namespace

std::string TProgramLauncher::LaunchErrorText(int code) {
  switch (code) {
    case 0:
    case 8:
      return "Out of memory";
    case 2:
      return "File not found";
    case 3:
      return "Path not found";
    case 5:
      return "Sharing violation";
    case 6:
      return "Library/Segment error";
    case 10:
      return "Incorrect version of windows";
    case 11:
      return "Invalid file";
    case 12:
    case 13:
      return "Invalid DOS version";
    case 14:
    case 31:
      return "File type has no association";
    case 15:
      return "Cannot load a Real-mode application";
    case 16:
      return "Invalid attempt to launch second instance";
    case 19:
      return "Cannot load a compressed executable file";
    case 20:
      return "Invalid dynamic link library";
    case 21:
      return "Application requires Win32";
    default:
      return "Unknown error";
  }
}

void TProgramLauncher::Execute() {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_FORCEONFEEDBACK;
  startup.wShowWindow = ShowCommand(show_mode_);
  // CreateProcess may write into the command line.
  std::vector<char> command_line(parameters_.begin(), parameters_.end());
  command_line.push_back('\0');
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(file_name_.c_str(), command_line.data(), nullptr,
                      nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup, &process)) {
    int code = LaunchCode(GetLastError());
    throw EProgramLauncherFailed(LaunchErrorText(code), code);
  }
  TUniqueKernelHandle process_handle(process.hProcess);
  TUniqueKernelHandle thread_handle(process.hThread);
  WaitForInputIdle(process.hProcess, INFINITE);
}

const TClassInfo& TProgramLauncher::StaticClassInfo() {
  static const TEnumInfo show_modes("TplShowMode", {"smNormal", "smMaximized", "smMinimized", "smHide"});
  static const TClassInfo info = TClassInfo::Define<TProgramLauncher, TComponent>("TProgramLauncher", [](auto& p) {
    using T = TProgramLauncher;
    p.String("Action", &T::Action, &T::SetAction).Default(std::string("Open"));
    p.String("FileName", &T::FileName, &T::SetFileName);
    p.String("Parameters", &T::Parameters, &T::SetParameters);
    p.Enumeration("ShowMode", show_modes, &T::ShowMode, &T::SetShowMode).Default(int64_t{smNormal});
    p.String("StartDir", &T::StartDir, &T::SetStartDir);
    p.Integer("Timeout", &T::Timeout, &T::SetTimeout).Default(int64_t{-1});
    p.Boolean("Wait", &T::Wait, &T::SetWait).Default(true);
  });
  return info;
}

}  // namespace vorlan

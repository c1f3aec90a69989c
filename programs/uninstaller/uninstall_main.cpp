// uninstall.exe: started by the Add/Remove Programs entry (or the program
// menu's shortcut) as "<dir>\uninstall.exe" <product name>, asks whether to
// go on, removes what the installation recorded under the product's entry
// and says how it went. Exit codes: 0 removed, 1 the user declined, 2 nothing
// to remove, 3 not everything could be removed.

#include <windows.h>

#include <exception>

#include "base/format.h"
#include "base/strings.h"
#include "self_removal.h"
#include "system/system_dirs.h"
#include "uninstall_command_line.h"
#include "uninstall_messages.h"
#include "uninstaller.h"
#include "widgets/command_line.h"
#include "widgets/prompt.h"

namespace vorlan {
namespace {

namespace message = uninstall_message;

std::string OwnPath() {
  char path[MAX_PATH + 1] = {};
  DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  return std::string(path, length);
}

int Show(const std::string& text, UINT kind, int unattended_answer = IDOK) {
  return Ask({text, message::kCaption, kind | MB_SETFOREGROUND, unattended_answer});
}

// Only the program the entry names removes itself; a copy started from
// elsewhere (the framework directory, say) stays.
bool IsEntryProgram(const TUninstaller& uninstaller, const std::string& own_path) {
  std::string program = uninstaller.EntryProgram();
  if (SameText(program, own_path)) return true;
  std::string short_program = GetShortPath(program);
  return !short_program.empty() && SameText(short_program, GetShortPath(own_path));
}

int Uninstall(const std::string& product, const std::string& own_path) {
  if (product.empty()) {
    Show(message::kNoProduct, MB_OK | MB_ICONERROR);
    return 2;
  }
  TUninstaller uninstaller(product);
  if (!uninstaller.Installed()) {
    Show(Format(message::kNotInstalled, product), MB_OK | MB_ICONERROR);
    return 2;
  }
  // Whoever starts the uninstaller unattended has asked for the removal.
  if (Show(Format(message::kConfirm, product), MB_YESNO | MB_ICONQUESTION, IDYES) != IDYES) return 1;
  bool removes_itself = IsEntryProgram(uninstaller, own_path);
  uninstaller.Remove();
  if (!uninstaller.Problems().empty()) {
    std::string problems;
    for (const std::string& problem : uninstaller.Problems()) problems += problem + "\n";
    Show(Format(message::kIncomplete, product, problems), MB_OK | MB_ICONERROR);
    return 3;
  }
  if (removes_itself) ScheduleSelfRemoval(own_path, uninstaller.DirectoriesOf(own_path));
  Show(Format(uninstaller.RestartNeeded() ? message::kRemovedAtRestart : message::kRemoved, product),
       MB_OK | MB_ICONINFORMATION);
  return 0;
}

int Run() {
  std::string own_path = OwnPath();
  std::vector<std::string> parameters = SplitCommandLine(GetCommandLineA());
  if (parameters.size() >= 4 && parameters[1] == kRemoveUninstallerSwitch) {
    return RemoveEndedUninstaller(static_cast<unsigned long>(StrToIntDef(parameters[2], 0)), parameters[3],
                                  {parameters.begin() + 4, parameters.end()});
  }
  std::string product = ProductNameArgument(GetCommandLineA(), own_path);
  try {
    return Uninstall(product, own_path);
  } catch (const std::exception& error) {
    Show(Format(message::kFailed, product, error.what()), MB_OK | MB_ICONERROR);
  }
  return 3;
}

}  // namespace
}  // namespace vorlan

int main() {
  try {
    return vorlan::Run();
  } catch (...) {
    vorlan::Ask({"The uninstaller failed unexpectedly", vorlan::uninstall_message::kCaption, MB_OK | MB_ICONERROR,
                 IDOK});
  }
  return 3;
}

// Removing the temporary directory the loading program unpacked the setup
// into: what can go goes now, the running program and the directory itself
// go by a batch that the engine starts as it is destroyed.

#include <windows.h>

#include "base/file.h"
#include "base/strings.h"
#include "engine/custom_install.h"
#include "engine/run_sequence.h"
#include "engine/running_program.h"
#include "system/os_version.h"
#include "system/program_launcher.h"
#include "system/system_dirs.h"
#include "system/unique_handle.h"

namespace vorlan {

namespace {
// Every name in directory but "." and "..".
TStringList DirectoryEntries(const std::string& directory) {
  TStringList names;
  WIN32_FIND_DATAA data{};
  TUniqueFindHandle find(FindFirstFileA((AddBackslash(directory) + "*.*").c_str(), &data));
  if (!find.Valid()) return names;
  do {
    std::string name = data.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(find.Get(), &data));
  return names;
}

// Quoted, so that a path with blanks (a profile's temporary directory)
// stays one argument.
std::string Line(const char* command, const std::string& path) { return std::string(command) + " \"" + path + "\"\r\n"; }

// The batch starts while the program is still ending, and a running
// program cannot be erased: the erase is tried again until the program is
// gone, at most 10000 times (a few seconds; counted in four variables of
// up to ten characters, as small environments allow), so that a program
// that can never go does not keep the batch running.
std::string EraseWhenEnded(const std::string& program) {
  constexpr int kLevels = 4;
  std::string quoted = "\"" + program + "\"";
  std::string lines;
  for (int level = 1; level <= kLevels; ++level) {
    lines += "SET VORLANWAIT" + std::to_string(level) + "=\r\n:WAIT" + std::to_string(level) + "\r\n";
  }
  lines += "ERASE " + quoted + "\r\nIF NOT EXIST " + quoted + " GOTO ERASED\r\n";
  for (int level = kLevels; level >= 1; --level) {
    std::string counter = "VORLANWAIT" + std::to_string(level);
    lines += "SET " + counter + "=%" + counter + "%x\r\nIF NOT \"%" + counter + "%\"==\"xxxxxxxxxx\" GOTO WAIT" +
             std::to_string(level) + "\r\n";
  }
  lines += ":ERASED\r\n";
  for (int level = 1; level <= kLevels; ++level) lines += "SET VORLANWAIT" + std::to_string(level) + "=\r\n";
  return lines;
}
// The command that removes a directory with all it holds: the command
// interpreters of the NT family have no DELTREE, and without this the
// directory stayed behind there after every run.
const char* TreeRemoval() { return IsWindows9xFamily() ? "DELTREE /Y" : "RMDIR /S /Q"; }
}  // namespace

void TRunSequence::WriteCleanupBatch() {
  if (!engine_.UseLoadingProgram() || engine_.HasSwitch(swDebug) || !engine_.HasSwitch(swCleanup) ||
      engine_.Designing()) {
    return;
  }
  bool continue_ = true;
  engine_.OnBeforeCleanup()(&engine_, continue_);
  if (!continue_) return;
  // Subdirectories and the running program itself refuse; the batch
  // takes them later.
  std::string directory = engine_.GetProgramDirectory();
  for (const std::string& name : DirectoryEntries(directory)) DeleteFileAt(AddBackslash(directory) + name);
  RemoveDirectoryA(directory.c_str());
  if (engine_.RunsInLibrary()) return;
  std::string batch = ChangeFileExt(CreateTempFileName(false), ".bat");
  std::string program = RunningProgramPath();
  std::string lines = EraseWhenEnded(program) + Line(TreeRemoval(), RemoveBackslash(ExtractFileDir(program))) +
                      Line("ERASE", ChangeFileExt(batch, ".PIF")) + Line("ERASE", batch);
  TFileStream stream(batch, TFileMode::Create);
  if (stream.Write(lines.data(), lines.size()) != lines.size()) {
    throw EInOutError("Write error on \"" + batch + "\". The disk is full.");
  }
  cleanup_batch_path_ = batch;
  cleanup_batch_written_ = true;
}

void TRunSequence::StartCleanupBatch() {
  if (!cleanup_batch_written_) return;
  TProgramLauncher launcher(nullptr);
  launcher.SetFileName(cleanup_batch_path_);
  launcher.SetShowMode(smHide);
  // The engine is going and cannot report; the batch only tidies up.
  try {
    launcher.Execute();
  } catch (const std::exception&) {
  }
}

}  // namespace vorlan

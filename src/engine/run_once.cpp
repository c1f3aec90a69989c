// The after-reboot run: the program registers itself with -r in the RunOnce
// key, with the loading program's place so the run finds its archives.

#include "base/strings.h"
#include "base/exceptions.h"
#include "engine/engine_errors.h"
#include "engine/install_record.h"
#include "system/registry_routines.h"

namespace vorlan {

namespace {
constexpr const char* kRunOnceName = "VorlanUnfinished";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }
}  // namespace

// The directory goes without its trailing backslash: before the closing
// quote it would escape the quote for the program's command-line parser.
std::string TInstallRecord::RunOnceCommand(const std::string& program, const std::string& loading_program,
                                           bool self_extract, bool cleanup) {
  std::string command = Quoted(program) + " -r ";
  if (self_extract) command += Quoted("-e" + ExtractFileName(loading_program)) + " ";
  command += Quoted("-s" + RemoveBackslash(ExtractFileDir(loading_program)));
  if (cleanup) command += " -c";
  return command;
}

void TInstallRecord::RegisterRunOnce(const std::string& command) {
  if (!AddRunOnceEntry(kRunOnceName, command, true)) throw IEInstall(engine_error::kRunOnceNotWritten);
}

}  // namespace vorlan

// The after-reboot run: the program registers itself with -r in the RunOnce
// key, with the loading program's place so the run finds its archives.

#include "base/strings.h"
#include "engine/custom_install.h"
#include "engine/engine_errors.h"
#include "engine/running_program.h"
#include "system/registry_routines.h"

namespace vorlan {

namespace {
constexpr const char* kRunOnceName = "VorlanUnfinished";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// The directory goes without its trailing backslash: before the closing
// quote it would escape the quote for the program's command-line parser.
std::string RunOnceCommand(TCustomInstall& engine) {
  std::string loading = engine.GetLoadingProgramPath();
  std::string command = Quoted(RunningProgramPath()) + " -r ";
  if (engine.HasSwitch(swSelfExtract)) command += Quoted("-e" + ExtractFileName(loading)) + " ";
  command += Quoted("-s" + RemoveBackslash(ExtractFileDir(loading)));
  if (engine.HasSwitch(swCleanup)) command += " -c";
  return command;
}
}  // namespace

void TCustomInstall::RegisterRunOnce() {
  if (!AddRunOnceEntry(kRunOnceName, RunOnceCommand(*this), true)) throw IEInstall(engine_error::kRunOnceNotWritten);
}

}  // namespace vorlan

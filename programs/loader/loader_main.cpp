// The loading program that a build copies to setup.exe: finds its setup
// archive (embedded, or setup.1 beside it), unpacks the setup program and
// its presetup files into a new temporary directory, starts it with -s, -e
// and -c, and ends with its exit code. Every failure is one message (on
// stderr under VORLAN_UNATTENDED) and exit code 1.

#include <windows.h>

#include <exception>
#include <optional>

#include "base/strings.h"
#include "integrity_check.h"
#include "setup_archive.h"
#include "setup_directory.h"
#include "setup_parameters.h"
#include "setup_process.h"
#include "widgets/command_line.h"
#include "widgets/error_message.h"

namespace vorlan {
namespace {

std::string OwnPath() {
  char path[MAX_PATH + 1] = {};
  DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  return std::string(path, length);
}

std::vector<std::string> OwnParameters() {
  std::vector<std::string> parameters = SplitCommandLine(GetCommandLineA());
  if (!parameters.empty()) parameters.erase(parameters.begin());
  return parameters;
}

// The digest of the whole executable is checked while the setup program is
// unpacked and loaded; the program runs only once the digest holds. A
// damaged executable is reported as such even when the damage is what made
// the unpacking or the loading fail.
int Load() {
  std::string self = OwnPath();
  TSetupArchive archive = FindSetupArchive(self);
  TIntegrityCheck integrity(self, archive.Checksum);
  TSetupStart start{RemoveBackslash(ExtractFileDir(self)), ExtractFileName(self), archive.Embedded};
  std::vector<std::string> parameters = SetupProgramParameters(start, OwnParameters());
  TSetupDirectory directory;
  std::optional<TSetupProcess> setup;
  try {
    std::string program = directory.Unpack(archive);
    setup.emplace(program, JoinParameters(program, parameters));
  } catch (const std::exception&) {
    integrity.Confirm();
    throw;
  }
  integrity.Confirm();
  setup->Start();
  directory.HandOver();
  return setup->Wait();
}

}  // namespace
}  // namespace vorlan

int main() {
  try {
    return vorlan::Load();
  } catch (const std::exception& error) {
    vorlan::ShowErrorMessage(error.what());
  } catch (...) {
    vorlan::ShowErrorMessage("The setup program failed unexpectedly");
  }
  return 1;
}

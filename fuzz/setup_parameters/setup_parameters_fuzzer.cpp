// Whatever the loading program was started with, it either refuses it with
// one of its texts or hands on a command line that the setup accepts,
// whose -s and -e name the loader, with -c, and -f exactly for *TODISK. The
// first byte says whether the archives are embedded; the rest is the
// loader's command line.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/strings.h"
#include "engine/command_line_switches.h"
#include "loader_error.h"
#include "setup_parameters.h"
#include "widgets/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const vorlan::TSetupStart start{"C:\\My Setup", "setup.exe", (data[0] & 1) != 0};
  std::string_view line(reinterpret_cast<const char*>(data + 1), size - 1);
  std::vector<std::string> loader_parameters = vorlan::SplitCommandLine(line);
  std::vector<std::string> parameters;
  try {
    parameters = vorlan::SetupProgramParameters(start, loader_parameters);
  } catch (const vorlan::ELoaderError& error) {
    std::string_view text = error.what();
    if (text.substr(0, 19) != "Invalid parameter <" && text.substr(0, 20) != "Only a self-extracti") std::abort();
    return 0;
  }
  std::vector<std::string> received = vorlan::SplitCommandLine(vorlan::JoinParameters("C:\\T\\setup.exe", parameters));
  if (received.empty()) std::abort();
  received.erase(received.begin());
  if (received != parameters) std::abort();
  // A refusal would leave here as an exception and stop the fuzzer.
  vorlan::TCommandLineSwitches switches = vorlan::ParseSwitches(received);
  bool to_disk = false;
  for (const std::string& parameter : loader_parameters) to_disk = to_disk || vorlan::SameText(parameter, "*TODISK");
  if (switches.texts[vorlan::swSource] != start.LoaderDir || !switches.switches.test(vorlan::swCleanup) ||
      switches.switches.test(vorlan::swSelfExtract) != start.Embedded ||
      (start.Embedded && switches.texts[vorlan::swSelfExtract] != start.LoaderName) ||
      (to_disk && !switches.switches.test(vorlan::swFloppy))) {
    std::abort();
  }
  return 0;
}

// Any command line splits into parameters that the switch grammar either
// accepts or refuses with its invalid-parameter error; an accepted line
// sets only known switches.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/exceptions.h"
#include "engine/command_line_switches.h"
#include "widgets/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view line(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> parameters = vorlan::SplitCommandLine(line);
  for (const std::string& parameter : parameters) {
    if (parameter.find('"') != std::string::npos) std::abort();
  }
  // The first is the program's name.
  if (!parameters.empty()) parameters.erase(parameters.begin());
  try {
    vorlan::TCommandLineSwitches parsed = vorlan::ParseSwitches(parameters);
    for (size_t i = 0; i < parsed.texts.size(); ++i) {
      if (!parsed.switches.test(i) && !parsed.texts[i].empty()) std::abort();
    }
  } catch (const vorlan::IException& error) {
    if (std::string_view(error.what()).substr(0, 19) != "Invalid parameter <") std::abort();
  }
  return 0;
}

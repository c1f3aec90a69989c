#include "engine/command_line_switches.h"

#include <cctype>
#include <cstring>

#include "base/exceptions.h"
#include "engine/engine_errors.h"

namespace vorlan {

TCommandLineSwitches ParseSwitches(const std::vector<std::string>& parameters) {
  TCommandLineSwitches result;
  for (const std::string& parameter : parameters) {
    if (parameter.size() < 2 || (parameter[0] != '-' && parameter[0] != '*')) {
      throw IException(engine_error::kInvalidParameter, parameter);
    }
    char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(parameter[1])));
    const char* found = letter != '\0' ? std::strchr(kSwitchLetters, letter) : nullptr;
    if (found) {
      auto which = static_cast<size_t>(found - kSwitchLetters);
      result.switches.set(which);
      result.texts[which] = parameter.substr(2);
    } else if (parameter[0] == '-') {
      throw IException(engine_error::kInvalidParameter, parameter);
    }
  }
  return result;
}

}  // namespace vorlan

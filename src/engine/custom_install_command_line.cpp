// The command line: "-" or "*", a switch letter, and the switch's text.

#include <cctype>
#include <cstring>

#include "base/exceptions.h"
#include "engine/custom_install.h"
#include "engine/engine_errors.h"
#include "widgets/application.h"

namespace vorlan {

void TCustomInstall::ParseCommandLine() { ParseParameters(ProgramParameters()); }

void TCustomInstall::ParseParameters(const std::vector<std::string>& parameters) {
  switches_.reset();
  for (std::string& text : switch_text_) text.clear();
  for (const std::string& parameter : parameters) {
    if (parameter.size() < 2 || (parameter[0] != '-' && parameter[0] != '*')) {
      throw IException(engine_error::kInvalidParameter, parameter);
    }
    char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(parameter[1])));
    const char* found = std::strchr(kSwitchLetters, letter);
    if (letter != '\0' && found) {
      auto which = static_cast<size_t>(found - kSwitchLetters);
      switches_.set(which);
      switch_text_[which] = parameter.substr(2);
    } else if (parameter[0] == '-') {
      throw IException(engine_error::kInvalidParameter, parameter);
    }
    // Other "*" parameters belong to the self-extracting setup.
  }
}

}  // namespace vorlan

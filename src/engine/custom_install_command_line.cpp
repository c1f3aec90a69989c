#include "engine/custom_install.h"
#include "widgets/application.h"

namespace vorlan {

void TCustomInstall::ParseCommandLine() { ParseParameters(ProgramParameters()); }

// A malformed command line leaves no switches behind.
void TCustomInstall::ParseParameters(const std::vector<std::string>& parameters) {
  command_line_ = {};
  command_line_ = ParseSwitches(parameters);
}

}  // namespace vorlan

#include "setup_parameters.h"

#include <cctype>

#include "base/format.h"
#include "base/strings.h"
#include "loader_error.h"

namespace vorlan {

namespace {
constexpr const char* kToDisk = "*TODISK";
}  // namespace

std::vector<std::string> SetupProgramParameters(const TSetupStart& start,
                                                const std::vector<std::string>& loader_parameters) {
  std::vector<std::string> parameters{"-s" + start.LoaderDir};
  if (start.Embedded) parameters.push_back("-e" + start.LoaderName);
  parameters.push_back("-c");
  std::vector<std::string> passed_on;
  bool to_disk = false;
  for (const std::string& parameter : loader_parameters) {
    if (parameter.size() < 2 || parameter[0] != '*') {
      throw ELoaderError(Format(loader_error::kInvalidParameter, parameter));
    }
    char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(parameter[1])));
    if (letter == 's' || letter == 'e') throw ELoaderError(Format(loader_error::kOwnSwitch, parameter));
    if (SameText(parameter, kToDisk)) {
      to_disk = true;
    } else {
      passed_on.push_back(parameter);
    }
  }
  if (to_disk) {
    if (!start.Embedded) throw ELoaderError(Format(loader_error::kFloppiesNeedEmbedded, start.LoaderName));
    parameters.push_back("-f");
  }
  parameters.insert(parameters.end(), passed_on.begin(), passed_on.end());
  return parameters;
}

std::string JoinParameters(const std::string& program, const std::vector<std::string>& parameters) {
  std::string line = "\"" + program + "\"";
  for (const std::string& parameter : parameters) line += " \"" + parameter + "\"";
  return line;
}

}  // namespace vorlan

#include "widgets/command_line.h"

namespace vorlan {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view command_line) {
  std::vector<std::string> parameters;
  size_t i = 0;
  while (i < command_line.size()) {
    while (i < command_line.size() && IsBlank(command_line[i])) ++i;
    if (i == command_line.size()) break;
    std::string parameter;
    bool quoted = false;
    for (; i < command_line.size() && (quoted || !IsBlank(command_line[i])); ++i) {
      if (command_line[i] == '"') {
        quoted = !quoted;
      } else {
        parameter += command_line[i];
      }
    }
    parameters.push_back(std::move(parameter));
  }
  return parameters;
}

}  // namespace vorlan

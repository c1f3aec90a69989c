#include "uninstall_command_line.h"

#include "base/strings.h"

namespace vorlan {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Whether text names the program: its full path or its file name, with or
// without the extension, as Windows would have found it.
bool NamesProgram(std::string_view text, std::string_view own_path) {
  std::string name = ExtractFileName(own_path);
  for (std::string_view candidate : {own_path, std::string_view(name)}) {
    if (SameText(text, candidate)) return true;
    std::string without_extension = ChangeFileExt(candidate, "");
    if (!without_extension.empty() && SameText(text, without_extension)) return true;
  }
  return false;
}

// Where the program's part of the command line ends.
size_t ProgramEnd(std::string_view line, std::string_view own_path) {
  if (!line.empty() && line[0] == '"') {
    size_t closing = line.find('"', 1);
    return closing == std::string_view::npos ? line.size() : closing + 1;
  }
  size_t first_word_end = std::string_view::npos;
  for (size_t at = 0; at <= line.size(); ++at) {
    if (at < line.size() && !IsBlank(line[at])) continue;
    if (first_word_end == std::string_view::npos) first_word_end = at;
    if (NamesProgram(line.substr(0, at), own_path)) return at;
  }
  return first_word_end == std::string_view::npos ? line.size() : first_word_end;
}
}  // namespace

std::string ProductNameArgument(std::string_view command_line, std::string_view own_path) {
  std::string line = Trim(command_line);
  std::string rest = Trim(std::string_view(line).substr(ProgramEnd(line, own_path)));
  if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"' &&
      rest.find('"', 1) == rest.size() - 1) {
    rest = Trim(std::string_view(rest).substr(1, rest.size() - 2));
  }
  return rest;
}

}  // namespace vorlan

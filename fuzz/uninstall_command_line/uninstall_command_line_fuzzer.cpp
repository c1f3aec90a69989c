// Whatever the command line, the product name is trimmed text taken from
// its end; and a line built the way the Add/Remove Programs entry builds it
// gives the name back. The first byte splits the input into the program's
// path and the rest.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/strings.h"
#include "uninstall_command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
  size_t split = data[0] % (input.size() + 1);
  std::string own(input.substr(0, split));
  std::string rest(input.substr(split));

  std::string name = vorlan::ProductNameArgument(rest, own);
  if (name != vorlan::Trim(name) || name.size() > rest.size()) std::abort();

  // The entry's own form: the program's full path as Windows reports it
  // (a drive, no quotes), a blank, and the name; a name in quotes would
  // lose them.
  std::string program = vorlan::Trim(own);
  std::string product = vorlan::Trim(rest);
  bool full_path = program.size() >= 3 && program[1] == ':' && program[2] == '\\' &&
                   ((program[0] >= 'A' && program[0] <= 'Z') || (program[0] >= 'a' && program[0] <= 'z'));
  if (!full_path || program.find('"') != std::string::npos || product.find('"') != std::string::npos) return 0;
  if (vorlan::ProductNameArgument(program + " " + product, program) != product) std::abort();
  return 0;
}

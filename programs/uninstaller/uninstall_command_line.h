#pragma once
// What the uninstaller is asked to do by its command line. The Add/Remove
// Programs entry starts it as "\"<dir>\uninstall.exe\" <product name>";
// entries written before left the program unquoted, so both the program's
// path and the product name may hold blanks: the name is whatever follows
// the program's own path.

#include <string>
#include <string_view>

namespace vorlan {

// The switch by which the uninstaller's copy is told to remove the
// uninstaller that started it once that one has ended.
inline constexpr std::string_view kRemoveUninstallerSwitch = "--remove-uninstaller";

// The product name: the command line after the program, found as the
// leading quoted text, else the shortest leading text that names own_path
// (or its file name), else the first word; trimmed, and unquoted when the
// whole rest is one quoted text.
std::string ProductNameArgument(std::string_view command_line, std::string_view own_path);

}  // namespace vorlan

#pragma once
// Splits a program's command line into its parameters the way the setup's
// callers quote them: blanks separate parameters, double quotes group blanks
// into one and are dropped wherever they stand (-d "-sC:\My Build").

#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

// Every parameter, the program's name first.
std::vector<std::string> SplitCommandLine(std::string_view command_line);

}  // namespace vorlan

#pragma once
// Shows an error to the person running the program, through the prompt
// path: a message box captioned "Error", or under VORLAN_UNATTENDED a line
// on the standard error stream.

#include <string>

namespace vorlan {

void ShowErrorMessage(const std::string& text);

}  // namespace vorlan

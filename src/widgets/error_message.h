#pragma once
// Shows an error to the person running the program. When the environment
// variable VORLAN_UNATTENDED is set (to anything), the text goes to the
// standard error stream instead of a message box, so that scripted and
// tested runs never wait for a click.

#include <string>

namespace vorlan {

bool Unattended();
void ShowErrorMessage(const std::string& text);

}  // namespace vorlan

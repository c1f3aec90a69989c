#pragma once
// A removed help file's entry in the Windows help-file list (HKEY_LOCAL_MACHINE
// \SOFTWARE\Microsoft\Windows\Help): named by the file's name in upper case,
// its text the file's directory, as the installation registered it.

#include <string>

namespace vorlan {

// Deletes the entry when it names this file's directory; one that names
// another directory belongs to another copy of the file.
void RemoveHelpRegistration(const std::string& path);

}  // namespace vorlan

#pragma once
// Takes back the COM registration of an installed file before it is
// deleted, by the kind its record names.

#include <string>

namespace vorlan {

enum TActiveXKind { axLibrary = 0, axExeServer = 1, axTypeLibrary = 2 };

// Raises EUninstallError with the reason when the file refuses or cannot be
// asked.
void UnregisterActiveX(const std::string& path, TActiveXKind kind);

}  // namespace vorlan

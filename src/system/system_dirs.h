#pragma once
// The directories Windows names, temporary file names, short paths and
// strings from the system's libraries.

#include <string>

namespace vorlan {

// As Windows reports them, without a backslash added; raise EAPIRoutines
// when Windows will not tell.
std::string GetSystemDir();
std::string GetWindowsDir();

// A unique new name in the temporary directory, prefix "bat". The system
// creates the empty file; it is deleted again unless keep is set. Raises
// EAPIRoutines "Cannot create a temporary file".
std::string CreateTempFileName(bool keep);

// The 8.3 form of an existing path; empty when the path does not exist.
std::string GetShortPath(const std::string& path);

// String resource number id of a library (up to 4096 characters); empty
// when the library or the string is missing.
std::string LoadLibraryString(const std::string& library, unsigned id);

}  // namespace vorlan

#pragma once
// Finds the setup archive of a loading program: inside the program itself
// when its record says so, else setup.1 beside it. A program whose trailer
// does not hold is refused before anything of it is used; the checksum the
// trailer ends in is for TIntegrityCheck.

#include <cstdint>
#include <string>

namespace vorlan {

struct TSetupArchive {
  std::string Path;     // the file that holds the archive
  int32_t Offset = 0;   // where the archive starts in it
  bool Embedded = false;
  std::string Checksum;  // the digest the program ends in; empty when it has none
};

// Raises ELoaderError when the trailer is damaged, the program cannot be
// read, or it has no setup archive.
TSetupArchive FindSetupArchive(const std::string& loader_path);

}  // namespace vorlan

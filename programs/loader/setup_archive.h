#pragma once
// Finds the setup archive of a loading program: inside the program itself
// when its record says so, else setup.1 beside it. A program whose trailer
// or checksum does not hold is refused before anything of it is used.

#include <cstdint>
#include <string>

namespace vorlan {

struct TSetupArchive {
  std::string Path;     // the file that holds the archive
  int32_t Offset = 0;   // where the archive starts in it
  bool Embedded = false;
};

// Raises ELoaderError when the program is damaged, cannot be read, or has
// no setup archive.
TSetupArchive FindSetupArchive(const std::string& loader_path);

}  // namespace vorlan

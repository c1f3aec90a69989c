#include "links/link_directory.h"

#include "base/exceptions.h"
#include "base/file.h"
#include "base/strings.h"

namespace vorlan {

void ForceLinkDirectory(const std::string& path) {
  std::string directory = RemoveBackslash(path);
  if (directory.empty()) throw EInOutError("Unable to create directory");
  ForceDirectories(directory);
}

}  // namespace vorlan

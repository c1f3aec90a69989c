#include "links/link_directory.h"

#include "base/exceptions.h"
#include "base/strings.h"
#include "objects/install_container.h"

namespace vorlan {

void ForceLinkDirectory(TInstallContainer& object, const std::string& path) {
  std::string directory = RemoveBackslash(path);
  if (directory.empty()) throw EInOutError("Unable to create directory");
  object.ForceDestinationDirectories(directory);
}

}  // namespace vorlan

#include "paths/path_expansion.h"

#include "base/strings.h"
#include "paths/custom_path_specifier.h"

namespace vorlan {

std::string ExpandPath(TCustomPathSpecifier* specifier, TInstallContainer* object, const std::string& relative) {
  std::string text = specifier ? specifier->GetPath(object) + relative : relative;
  return RemoveBackslash(text);
}

}  // namespace vorlan

#include "objects/framework_directory.h"

#include "base/exceptions.h"
#include "base/file.h"
#include "base/strings.h"
#include "system/registry_routines.h"

namespace vorlan {

namespace {
std::string ReplaceAll(std::string text, const std::string& macro, const std::string& value) {
  for (size_t at = 0; (at = text.find(macro, at)) != std::string::npos; at += value.size()) {
    text.replace(at, macro.size(), value);
  }
  return text;
}
}  // namespace

std::string FindFrameworkDirectory(bool required) {
  std::string search_path = ReadRegString(hkCurrentUser, kEnvironmentKey, kSearchPathValue, "");
  std::string root = RemoveBackslash(ReadRegString(hkLocalMachine, kEnvironmentKey, kRootDirValue, ""));
  TStringList entries;
  SplitFields(search_path, ';', entries);
  for (const std::string& entry : entries) {
    std::string directory = RemoveBackslash(Trim(ReplaceAll(entry, kRootMacro, root)));
    if (!directory.empty() && FileExists(AddBackslash(directory) + kFrameworkMarker)) return directory;
  }
  if (required) {
    throw IENoVorlanPath(
        "The Vorlan Setup framework directory could not be found: no directory on the library search path holds "
        "%s",
        kFrameworkMarker);
  }
  return {};
}

}  // namespace vorlan

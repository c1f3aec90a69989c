#include "objects/uninstall_directory_list.h"

#include <algorithm>

#include "base/file.h"
#include "base/strings.h"
#include "objects/uninstall_record_list.h"
#include "system/uninstall_records.h"

namespace vorlan {

// One lookup when the directory is there, as it is for most files.
std::vector<std::string> ForceDirectoriesCreated(const std::string& path) {
  std::string directory = RemoveBackslash(path);
  std::string existing = NearestExistingDir(directory);
  if (directory.empty() || SameText(existing, directory)) return {};
  ForceDirectories(directory);
  std::vector<std::string> created;
  for (std::string at = directory; at.size() > existing.size(); at = RemoveBackslash(ExtractFileDir(at))) {
    if (DirectoryExists(at)) created.push_back(at);
    if (ExtractFileDir(at).size() >= at.size()) break;
  }
  std::reverse(created.begin(), created.end());
  return created;
}

void AddUninstallDirectoryRecords(const std::string& key, const std::vector<std::string>& directories) {
  if (directories.empty()) return;
  TUninstallRecordList list(AddBackslash(key) + uninstall_record::kDirectories, uninstall_record::kDirectory);
  for (const std::string& directory : directories) list.Add(directory);
}

}  // namespace vorlan

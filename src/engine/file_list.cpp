// filelist.lst: what a remote distribution's installer learns about the
// files of this build before it downloads any of them.

#include <vector>

#include "archive/remote_file_list.h"
#include "base/file.h"
#include "base/strings.h"
#include "engine/custom_install.h"
#include "engine/distribution_build.h"
#include "objects/custom_install_file.h"
#include "objects/objects_module.h"

namespace vorlan {

void TDistributionBuild::WriteFileList(const std::string& archive) {
  std::string directory = AddBackslash(ExtractFileDir(archive)) + engine_.NetArchiveDir();
  ForceDirectories(directory);
  std::vector<TRemoteFileRecord> records;
  for (TCustomInstallFile* file : AllInstallFiles().Items()) {
    if (!file->CompressedInBuild()) continue;
    records.push_back({file->SourceSize(), file->SourceDate(), file->Name(), file->SourceVersion()});
  }
  WriteRemoteFileList(AddBackslash(directory) + "filelist.lst", records);
}

}  // namespace vorlan

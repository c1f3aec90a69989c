#include "container_test_classes.h"

#include "base/file.h"
#include "tree_test_classes.h"

namespace vorlan::tree_test {

void TTestInstallFile::InstallObjects() {
  TFileRelated::InstallObjects();  // the container's walk, without extraction
  if (Container()) Container()->DoInformationEventControl(this, info_code::kFileFinished, {.file = this});
}

void TTestInstallFile::ReadInfoFromArchive() { Log().push_back("archive info " + Name()); }
void TTestInstallFile::ReadInfoFromSource() { Log().push_back("source info " + Name()); }
void TTestInstallFile::Copy() { Log().push_back("copy " + Name()); }

void TTestInstallFile::Compress() {
  Log().push_back("compress " + Name() + " into " + GetArchivePath() + (Include() ? "" : " (excluded)") +
                  (AddToArchive() == lzcOnlyAdd ? " appending" : ""));
}

void TTestNetLocation::Download(const std::string& remote_name, const std::string& local_path) {
  Log().push_back("download " + remote_name);
  TFileStream file(local_path, TFileMode::Create);
  file.Write(content.data(), content.size());
  if (Receiver()) Receiver()(remote_name, static_cast<int32_t>(content.size()), static_cast<int32_t>(content.size()),
                             static_cast<int32_t>(content.size() * 2), content.data());
  if (cancel) SetDownloadAborted(true);
}

}  // namespace vorlan::tree_test

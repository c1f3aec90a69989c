#pragma once
// An install file whose work is only recorded, and a remote location that
// serves one file from memory.

#include <string>

#include "objects/custom_install_file.h"
#include "objects/net_install_location.h"

namespace vorlan::tree_test {

class TTestInstallFile : public TCustomInstallFile {
 public:
  using TCustomInstallFile::TCustomInstallFile;

  void SetSizes(int32_t size, int32_t packed) { SetSourceInfo(size, packed, 0, ""); }
  // Installing only reports the file finished, as a file does after
  // extracting without progress reports.
  void InstallObjects() override;
  void ReadInfoFromArchive() override;
  void ReadInfoFromSource() override;
  void Copy() override;
  // Records the archive it was sent to and whether it was included.
  void Compress() override;
};

class TTestNetLocation : public TCustomNetInstallLocation {
 public:
  using TCustomNetInstallLocation::TCustomNetInstallLocation;
  void Download(const std::string& remote_name, const std::string& local_path) override;

  std::string content = "archive";
  bool cancel = false;
};


}  // namespace vorlan::tree_test

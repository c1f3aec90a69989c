#pragma once
// An install file whose work is only recorded, and a remote location that
// serves one file from memory.

#include <string>

#include "objects/custom_install_file.h"
#include "objects/file_container.h"
#include "objects/install_engine.h"
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

// An engine that is a file container, as the real one is, without a run.
class TTestContainerEngine : public TFileContainer, public TInstallEngine {
  VORLAN_CLASS_INFO()

 public:
  explicit TTestContainerEngine(TComponent* owner) : TFileContainer(owner, type_code::kFileContainer, false) { SetTheInstall(this); }
  ~TTestContainerEngine() override { SetTheInstall(nullptr); }

  TInstallObject& AsInstallObject() override { return *this; }
  bool InProgress() const override { return false; }
  std::string ProductName() const override { return "Test Product"; }
  TDistributeType DistributeType() const override { return distribute_type; }
  TCustomNetInstallLocation* DefaultNetLocation() const override { return net_location; }
  std::string LoadingProgramDir() const override { return "C:\\Setup"; }
  bool SelfExtracting(std::string&) const override { return false; }

  TDistributeType distribute_type = dtTraditional;
  TCustomNetInstallLocation* net_location = nullptr;
};

}  // namespace vorlan::tree_test

#pragma once
// TpsMainArchiveFile: the archive that holds most of the installation's
// files: the self-extracting executable itself with -e, else "files.1" in
// the directory of the disk the user last supplied, else beside the setup.

#include <string>

#include "paths/standard_path_specifier.h"

namespace vorlan {

class TpsMainArchiveFile : public TStandardPathSpecifier {
  VORLAN_CLASS_INFO()

 public:
  explicit TpsMainArchiveFile(TComponent* owner);

  // The directory of the disk the user last supplied; empty until then.
  const std::string& CurrentDiskDir() const { return current_disk_dir_; }
  void SetCurrentDiskDir(const std::string& value) { current_disk_dir_ = value; }

  void CheckObject(TInstallContainer* object) override;
  std::string GetDescription() override;
  std::string GetDisplayName() override;
  // The path of the archive file, not of a directory.
  std::string GetPath(TInstallContainer* object) override;

 private:
  std::string current_disk_dir_;
};

// Records the directory of a newly supplied disk (one trailing backslash
// removed) in the first main-archive specifier; without one nothing happens.
void SetMainArchiveDiskDir(const std::string& dir);

}  // namespace vorlan

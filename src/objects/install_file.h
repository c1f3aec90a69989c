#pragma once
// TInstallFile: the install file a definition holds, with every property of
// the file stored.

#include "objects/custom_install_file.h"

namespace vorlan {

class TInstallFile : public TCustomInstallFile {
  VORLAN_CLASS_INFO()

 public:
  using TCustomInstallFile::TCustomInstallFile;
};

}  // namespace vorlan

#pragma once
// TUninstallEXE: the install file that carries the uninstaller program.
// Instead of a per-file record it writes the product's Add/Remove Programs
// entry, whose "UninstallString" starts the program, quoted, with the
// product name.

#include <string>

#include "objects/custom_install_file.h"

namespace vorlan {

VORLAN_EXCEPTION(IEUninstallEXE, IException);

inline constexpr const char* kUninstallProgramName = "uninstall.exe";

class TUninstallEXE : public TCustomInstallFile {
  VORLAN_CLASS_INFO()

 public:
  // While authoring, takes the uninstaller of the framework directory as
  // its source when there is one.
  explicit TUninstallEXE(TComponent* owner);
  ~TUninstallEXE() override;

  // Writes the entry's values under HKEY_LOCAL_MACHINE key; raises
  // IEUninstallEXE without an engine.
  void RegisterUninstall(const std::string& key) override;

 private:
  void TakeFrameworkUninstaller();
};

}  // namespace vorlan

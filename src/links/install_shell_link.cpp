#include "links/install_shell_link.h"

#include "component/class_info.h"

namespace vorlan {

const TClassInfo& TInstallShellLink::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfo::Define<TInstallShellLink, TCustomInstallShellLink>("TInstallShellLink", [](auto& p) {
        using T = TInstallShellLink;
        p.String("IconFilePath", &T::IconFilePath, &T::SetIconFilePath);
        p.Integer("IconIndex", &T::IconIndex, &T::SetIconIndex).Default(int64_t{0});
        p.String("WorkingDir", &T::WorkingDir, &T::SetWorkingDir);
        p.Boolean("HardLink", &T::HardLink, &T::SetHardLink).Default(false);
      });
  return info;
}

}  // namespace vorlan

#include "objects/install_file.h"

namespace vorlan {

const TClassInfo& TInstallFile::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TInstallFile, TCustomInstallFile>("TInstallFile", [](auto& p) {
    using T = TInstallFile;
    p.Boolean("ActiveX", &T::ActiveX, &T::SetActiveX).Default(false);
    p.Set("InstallAttributes", FileAttributesInfo(), &T::InstallAttributes, &T::SetInstallAttributes)
        .Default(int64_t{0});
    p.Boolean("RegisterAsHelp", &T::RegisterAsHelp, &T::SetRegisterAsHelp).Default(false);
    p.Boolean("RunAfterInstall", &T::RunAfterInstall, &T::SetRunAfterInstall).Default(false);
    p.String("RunParameters", &T::RunParameters, &T::SetRunParameters);
  });
  return info;
}

}  // namespace vorlan

#include "engine/build_info.h"

namespace vorlan {

const TClassInfo& TBuildInfo::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TBuildInfo, TPersistent>("TBuildInfo", [](auto& p) {
    using T = TBuildInfo;
    p.Boolean("AddUninstallOnCreate", &T::AddUninstallOnCreate, &T::SetAddUninstallOnCreate).Default(true);
    p.String("AppName", &T::AppName, &T::SetAppName);
    p.String("AppURL", &T::AppURL, &T::SetAppURL);
    p.String("BuildDirectory", &T::BuildDirectory, &T::SetBuildDirectory).Default(std::string("c:\\build"));
    p.String("CredentialsFile", &T::CredentialsFile, &T::SetCredentialsFile);
    p.String("OCXName", &T::OCXName, &T::SetOCXName).Default(std::string("vwsetup"));
    p.String("PrivateKeyFile", &T::PrivateKeyFile, &T::SetPrivateKeyFile);
    p.Boolean("SignCode", &T::SignCode, &T::SetSignCode).Default(false);
    p.String("URLPath", &T::URLPath, &T::SetURLPath);
    p.String("VorlanVersion", &T::VorlanVersion, [](T&, const std::string&) {})
        .Stored([](const T&) { return false; });
  });
  return info;
}

}  // namespace vorlan

#include "engine/install_information.h"

namespace vorlan {

const TClassInfo& TInstallInformation::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfo::Define<TInstallInformation, TPersistent>("TInstallInformation", [](auto& p) {
        using T = TInstallInformation;
        p.String("CompanyName", &T::CompanyName, &T::SetCompanyName).Default(std::string("My Company"));
        p.String("ProductName", &T::ProductName, &T::SetProductName).Default(std::string("My product"));
        p.String("Version", &T::Version, &T::SetVersion).Default(std::string("1.0"));
      });
  return info;
}

}  // namespace vorlan

#include "objects/net_install_location.h"

#include "base/strings.h"
#include "component/class_info.h"
#include "component/program_scope.h"
#include "objects/objects_module.h"

namespace vorlan {

bool TCustomLoginInformation::IsComplete() const {
  if (Trim(hostname_).empty()) return false;
  return anonymous_ || !Trim(username_).empty();
}

const TClassInfo& TCustomLoginInformation::StaticClassInfo() {
  static const TEnumInfo protocols("TInternetProtocol", {"ipFTP", "ipHTTP"});
  static const TClassInfo info =
      TClassInfo::Define<TCustomLoginInformation, TPersistent>("TLoginInformation", [](auto& p) {
        using T = TCustomLoginInformation;
        p.Boolean("Anonymous", &T::Anonymous, &T::SetAnonymous).Default(true);
        p.String("Directory", &T::Directory, &T::SetDirectory);
        p.String("Hostname", &T::Hostname, &T::SetHostname);
        p.String("Password", &T::Password, &T::SetPassword);
        p.Enumeration("Protocol", protocols, &T::Protocol, &T::SetProtocol).Default(int64_t{ipHTTP});
        p.String("Username", &T::Username, &T::SetUsername);
      });
  return info;
}

TCustomNetInstallLocation::TCustomNetInstallLocation(TComponent* owner) : TComponent(owner) {}

TCustomNetInstallLocation::~TCustomNetInstallLocation() = default;

const TClassInfo& TCustomNetInstallLocation::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TCustomNetInstallLocation, TComponent>(
      "TCustomNetInstallLocation", [](auto& p) {
        p.Object("LoginInformation",
                 [](TCustomNetInstallLocation& location) { return &location.LoginInformation(); });
      });
  return info;
}

bool DownloadAborted() {
  TObjectsState* state = ProgramScope::Exists() ? ProgramScope::Current().Find<TObjectsState>() : nullptr;
  return state && state->download_aborted;
}

void SetDownloadAborted(bool aborted) { ObjectsState().download_aborted = aborted; }

}  // namespace vorlan

#include "engine/install.h"

namespace vorlan {

const TClassInfo& TInstall::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TInstall, TCustomInstall>("TInstall", [](auto& p) {
    using T = TInstall;
    p.Boolean("AutoMaximizeWindow", &T::AutoMaximizeWindow, &T::SetAutoMaximizeWindow).Default(true);
    p.Boolean("HideMainForm", &T::HideMainForm, &T::SetHideMainForm).Default(false);
    p.Boolean("RunAutomatic", &T::RunAutomatic, &T::SetRunAutomatic).Default(true);
    p.Boolean("UseLoadingProgram", &T::UseLoadingProgram, &T::SetUseLoadingProgram).Default(true);
    p.Boolean("Reboot", &T::Reboot, &T::SetReboot).Default(false);
    p.Boolean("NoUninstall", &T::NoUninstall, &T::SetNoUninstall).Default(false);
    p.Enumeration("DistributeType", DistributeTypeInfo(), &T::DistributeType, &T::SetDistributeType)
        .Default(int64_t{dtTraditional});
    p.Object("BuildInfo", [](T& o) { return &o.BuildInfo(); });
    p.Object("Information", [](T& o) { return &o.Information(); });
    p.Object("win2KExtendedInformation", [](T& o) { return &o.Win2KExtendedInformation(); });
    p.Object("PasswordInfo", [](T& o) { return &o.PasswordInfo(); });
    p.Object("DialogThemeBitmap", [](T& o) { return &o.DialogThemeBitmap(); });
    p.StringList("PresetupFiles", &T::PresetupFiles, &T::SetPresetupFiles);
    p.Event("OnAfterInitialized", &T::OnAfterInitialized);
    p.Event("OnBeforeReadArchiveInfo", &T::OnBeforeReadArchiveInfo);
    p.Event("OnAfterReadArchiveInfo", &T::OnAfterReadArchiveInfo);
    p.Event("OnBeforeNotifyGoodInstall", &T::OnBeforeNotifyGoodInstall);
    p.Event("OnAfterNotifyGoodInstall", &T::OnAfterNotifyGoodInstall);
    p.Event("OnBeforeNotifyBadInstall", &T::OnBeforeNotifyBadInstall);
    p.Event("OnAfterNotifyBadInstall", &T::OnAfterNotifyBadInstall);
    p.Event("OnBeforeRunFile", &T::OnBeforeRunFile);
    p.Event("OnBeforeCleanup", &T::OnBeforeCleanup);
    p.Event("OnBeforeShutdown", &T::OnBeforeShutdown);
    p.Event("OnUserAbort", &T::OnUserAbort);
    p.Event("OnBeforeReboot", &T::OnBeforeReboot);
    p.Event("OnFailedReboot", &T::OnFailedReboot);
  });
  return info;
}

}  // namespace vorlan

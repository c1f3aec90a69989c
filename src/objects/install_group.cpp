#include "objects/install_group.h"

#include "objects/install_engine.h"

namespace vorlan {

void TInstallGroupDialogOptions::SetPassword(const std::string& value) {
  password_ = value;
  if (!value.empty()) has_password_ = true;
}

const TClassInfo& TInstallGroupDialogOptions::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfo::Define<TInstallGroupDialogOptions, TPersistent>("TInstallGroupDialogOptions", [](auto& p) {
        using T = TInstallGroupDialogOptions;
        p.Boolean("AllowChangeDir", &T::AllowChangeDir, &T::SetAllowChangeDir).Default(true);
        p.Boolean("AllowExcludeInclude", &T::AllowExcludeInclude, &T::SetAllowExcludeInclude).Default(true);
        p.StringList("Description", &T::Description, &T::SetDescription);
        p.Boolean("DisplayDirectory", &T::DisplayDirectory, &T::SetDisplayDirectory).Default(true);
        p.Binary("SmallIcon", &T::SmallIcon, &T::SetSmallIcon);
        p.Boolean("HasPassword", &T::HasPassword, &T::SetHasPassword).Default(false);
        p.String("Password", &T::Password, &T::SetPassword);
        p.Boolean("ShowRegardlessOfInclude", &T::ShowRegardlessOfInclude, &T::SetShowRegardlessOfInclude)
            .Default(true);
      });
  return info;
}

void TCustomInstallGroup::SetContainer(TInstallContainer* value) {
  TFileContainer::SetContainer(value);
  TInstallEngine* engine = TheInstall();
  if (value) {
    bool is_engine = engine && static_cast<TInstallContainer*>(&engine->AsInstallObject()) == value;
    if (!is_engine && value->TypeCode() != type_code::kGroup) {
      throw IEInstallGroup(
          "A TInstallGroup component can only be contained by a TInstall, or another TInstallGroup component");
    }
  } else if (engine) {
    TFileContainer::SetContainer(&engine->AsInstallObject());
  }
}

const TClassInfo& TCustomInstallGroup::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TCustomInstallGroup, TFileContainer>(
      "TCustomInstallGroup", [](auto& p) {
        p.Object("DialogOptions", [](TCustomInstallGroup& group) { return &group.DialogOptions(); });
      });
  return info;
}

const TClassInfo& TInstallGroup::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TInstallGroup, TCustomInstallGroup>("TInstallGroup");
  return info;
}

}  // namespace vorlan

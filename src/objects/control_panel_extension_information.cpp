#include "objects/control_panel_extension_information.h"

#include "objects/custom_install_file.h"

namespace vorlan {

void TControlPanelExtensionInformation::Watch(TCustomInstallFile*& slot, TCustomInstallFile* file) {
  slot = file;
  if (file && owner_) owner_->FreeNotification(file);
}

void TControlPanelExtensionInformation::Removed(const TComponent* component) {
  if (component == display_icon_) display_icon_ = nullptr;
  if (component == read_me_) read_me_ = nullptr;
}

const TClassInfo& TControlPanelExtensionInformation::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TControlPanelExtensionInformation, TPersistent>(
      "TControlPanelExtensionInformation", [](auto& p) {
        using T = TControlPanelExtensionInformation;
        p.template Reference<TCustomInstallFile>("DisplayIcon", &T::DisplayIcon, &T::SetDisplayIcon);
        p.String("HelpLink", &T::HelpLink, &T::SetHelpLink);
        p.String("HelpTelephone", &T::HelpTelephone, &T::SetHelpTelephone);
        p.template Reference<TCustomInstallFile>("ReadMe", &T::ReadMe, &T::SetReadMe);
        p.String("URLInfoAbout", &T::URLInfoAbout, &T::SetURLInfoAbout);
        p.String("ProductID", &T::ProductID, &T::SetProductID);
        p.String("URLUpdateInfo", &T::URLUpdateInfo, &T::SetURLUpdateInfo);
        p.String("Comments", &T::Comments, &T::SetComments);
        p.String("Contact", &T::Contact, &T::SetContact);
      });
  return info;
}

}  // namespace vorlan

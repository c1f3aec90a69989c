#pragma once
// TControlPanelExtensionInformation: the extra values of the product's
// Add/Remove Programs entry. Its file references are watched by the owner
// component, which clears them when a file is destroyed.

#include <string>

#include "component/class_info.h"
#include "component/component.h"
#include "component/persistent.h"

namespace vorlan {

class TCustomInstallFile;

class TControlPanelExtensionInformation : public TPersistent {
  VORLAN_CLASS_INFO()

 public:
  explicit TControlPanelExtensionInformation(TComponent* owner) : owner_(owner) {}
  TControlPanelExtensionInformation(const TControlPanelExtensionInformation&) = delete;
  TControlPanelExtensionInformation& operator=(const TControlPanelExtensionInformation&) = delete;

  TCustomInstallFile* DisplayIcon() const { return display_icon_; }
  void SetDisplayIcon(TCustomInstallFile* file) { Watch(display_icon_, file); }
  const std::string& HelpLink() const { return help_link_; }
  void SetHelpLink(const std::string& value) { help_link_ = value; }
  const std::string& HelpTelephone() const { return help_telephone_; }
  void SetHelpTelephone(const std::string& value) { help_telephone_ = value; }
  TCustomInstallFile* ReadMe() const { return read_me_; }
  void SetReadMe(TCustomInstallFile* file) { Watch(read_me_, file); }
  const std::string& URLInfoAbout() const { return url_info_about_; }
  void SetURLInfoAbout(const std::string& value) { url_info_about_ = value; }
  const std::string& ProductID() const { return product_id_; }
  void SetProductID(const std::string& value) { product_id_ = value; }
  const std::string& URLUpdateInfo() const { return url_update_info_; }
  void SetURLUpdateInfo(const std::string& value) { url_update_info_ = value; }
  const std::string& Comments() const { return comments_; }
  void SetComments(const std::string& value) { comments_ = value; }
  const std::string& Contact() const { return contact_; }
  void SetContact(const std::string& value) { contact_ = value; }

  // The owner's notification that component is going away.
  void Removed(const TComponent* component);

 private:
  void Watch(TCustomInstallFile*& slot, TCustomInstallFile* file);

  TComponent* owner_;
  TCustomInstallFile* display_icon_ = nullptr;
  std::string help_link_;
  std::string help_telephone_;
  TCustomInstallFile* read_me_ = nullptr;
  std::string url_info_about_;
  std::string product_id_;
  std::string url_update_info_;
  std::string comments_;
  std::string contact_;
};

}  // namespace vorlan

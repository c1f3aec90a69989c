#pragma once
// TBuildInfo: the engine's settings for building the distributables; only
// build mode reads them.

#include <string>

#include "component/class_info.h"
#include "component/persistent.h"

namespace vorlan {

class TBuildInfo : public TPersistent {
  VORLAN_CLASS_INFO()

 public:
  bool AddUninstallOnCreate() const { return add_uninstall_on_create_; }
  void SetAddUninstallOnCreate(bool value) { add_uninstall_on_create_ = value; }
  const std::string& AppName() const { return app_name_; }
  void SetAppName(const std::string& value) { app_name_ = value; }
  const std::string& AppURL() const { return app_url_; }
  void SetAppURL(const std::string& value) { app_url_ = value; }
  const std::string& BuildDirectory() const { return build_directory_; }
  void SetBuildDirectory(const std::string& value) { build_directory_ = value; }
  const std::string& CredentialsFile() const { return credentials_file_; }
  void SetCredentialsFile(const std::string& value) { credentials_file_ = value; }
  const std::string& OCXName() const { return ocx_name_; }
  void SetOCXName(const std::string& value) { ocx_name_ = value; }
  const std::string& PrivateKeyFile() const { return private_key_file_; }
  void SetPrivateKeyFile(const std::string& value) { private_key_file_ = value; }
  bool SignCode() const { return sign_code_; }
  void SetSignCode(bool value) { sign_code_ = value; }
  const std::string& URLPath() const { return url_path_; }
  void SetURLPath(const std::string& value) { url_path_ = value; }
  // The framework's version; a stored value is ignored.
  std::string VorlanVersion() const { return "5.20.00"; }

 private:
  bool add_uninstall_on_create_ = true;
  std::string app_name_;
  std::string app_url_;
  std::string build_directory_ = "c:\\build";
  std::string credentials_file_;
  std::string ocx_name_ = "vwsetup";
  std::string private_key_file_;
  bool sign_code_ = false;
  std::string url_path_;
};

}  // namespace vorlan

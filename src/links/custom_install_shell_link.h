#pragma once
// TCustomInstallShellLink: a shortcut to another install object of the
// definition (ObjectLink) or to a free location under an optional path
// specifier, written as a .LNK through the shell, as a hard link or as an
// internet shortcut (.URL). The engine's shortcut pass installs it; its
// container does not.

#include <cstdint>
#include <string>

#include "objects/install_object.h"
#include "system/os_version.h"

namespace vorlan {

enum TMethodType : uint8_t { mtAutoDetect, mtShellLinkInterface };
const TEnumInfo& MethodTypeInfo();

// How a shortcut is written on a kind of Windows.
enum class TLinkWriting { lwNone, lwLinkFile, lwHardLink };
TLinkWriting LinkWritingFor(TMethodType method, bool hard_link, TOSVerType os);

class TCustomInstallShellLink : public TInstallObject {
  VORLAN_CLASS_INFO()

 public:
  explicit TCustomInstallShellLink(TComponent* owner);
  ~TCustomInstallShellLink() override;

  TMethodType Method() const { return method_; }
  void SetMethod(TMethodType value) { method_ = value; }
  uint16_t HotKey() const { return hot_key_; }
  void SetHotKey(uint16_t value) { hot_key_ = value; }
  const std::string& IconFilePath() const { return icon_file_path_; }
  void SetIconFilePath(const std::string& value) { icon_file_path_ = value; }
  int32_t IconIndex() const { return icon_index_; }
  void SetIconIndex(int32_t value) { icon_index_ = value; }
  const std::string& LinkName() const { return link_name_; }
  virtual void SetLinkName(const std::string& value);
  TInstallContainer* ObjectLink() const { return object_link_; }
  virtual void SetObjectLink(TInstallContainer* value);
  const std::string& ObjectLocation() const { return object_location_; }
  virtual void SetObjectLocation(const std::string& value);
  TCustomPathSpecifier* ObjectLocationType() const { return object_location_type_; }
  virtual void SetObjectLocationType(TCustomPathSpecifier* value);
  const std::string& Parameters() const { return parameters_; }
  void SetParameters(const std::string& value) { parameters_ = value; }
  const std::string& WorkingDir() const { return working_dir_; }
  void SetWorkingDir(const std::string& value) { working_dir_ = value; }
  bool HardLink() const { return hard_link_; }
  void SetHardLink(bool value) { hard_link_ = value; }
  bool ComReady() const { return com_ready_; }

  // The destination directory followed by LinkName.
  std::string GetLinkFileName();
  virtual std::string GetTargetPath();

  virtual void InitializeCom();
  virtual void WriteLinkFile();
  virtual void WriteHardLink();
  virtual void WriteInternetShortcut();

  void HandleMessage(TInstallContainer* sender, int code, const TReport& report) override;
  void InstallObjects() override;
  void RegisterUninstall(const std::string& key) override;
  void ObjectRemoved(TInstallContainer* object) override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  // The Windows the shortcut is written for.
  virtual TOSVerType RunningWindows() const;

 private:
  void AssignObjectLink(TInstallContainer* value);
  void AssignObjectLocationType(TCustomPathSpecifier* value);
  // Step 2 of installing: false when the target was not installed.
  bool PrepareObjectLink();

  bool com_ready_ = false;
  TMethodType method_ = mtAutoDetect;
  uint16_t hot_key_ = 0;
  std::string icon_file_path_;
  int32_t icon_index_ = 0;
  std::string link_name_;
  TInstallContainer* object_link_ = nullptr;
  std::string object_location_;
  TCustomPathSpecifier* object_location_type_ = nullptr;
  std::string parameters_;
  std::string working_dir_;
  bool hard_link_ = false;
};

}  // namespace vorlan

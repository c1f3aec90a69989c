#pragma once
// TCustomInstallGroup: a file container the user may include, exclude or
// redirect on the customize page. A group belongs to the engine or to
// another group, never to a directory.

#include <string>

#include "objects/file_container.h"

namespace vorlan {

// How the customize page shows a group.
class TInstallGroupDialogOptions : public TPersistent {
  VORLAN_CLASS_INFO()

 public:
  bool AllowChangeDir() const { return allow_change_dir_; }
  void SetAllowChangeDir(bool value) { allow_change_dir_ = value; }
  bool AllowExcludeInclude() const { return allow_exclude_include_; }
  void SetAllowExcludeInclude(bool value) { allow_exclude_include_ = value; }
  const TStringList& Description() const { return description_; }
  void SetDescription(const TStringList& value) { description_ = value; }
  bool DisplayDirectory() const { return display_directory_; }
  void SetDisplayDirectory(bool value) { display_directory_ = value; }
  // The icon file's bytes.
  const TBytes& SmallIcon() const { return small_icon_; }
  void SetSmallIcon(const TBytes& value) { small_icon_ = value; }
  bool HasPassword() const { return has_password_; }
  void SetHasPassword(bool value) { has_password_ = value; }
  const std::string& Password() const { return password_; }
  // A password also sets HasPassword.
  void SetPassword(const std::string& value);
  bool ShowRegardlessOfInclude() const { return show_regardless_of_include_; }
  void SetShowRegardlessOfInclude(bool value) { show_regardless_of_include_ = value; }

 private:
  bool allow_change_dir_ = true;
  bool allow_exclude_include_ = true;
  TStringList description_;
  bool display_directory_ = true;
  TBytes small_icon_;
  bool has_password_ = false;
  std::string password_;
  bool show_regardless_of_include_ = true;
};

class TCustomInstallGroup : public TFileContainer {
  VORLAN_CLASS_INFO()

 public:
  explicit TCustomInstallGroup(TComponent* owner) : TFileContainer(owner, type_code::kGroup) {}
  TInstallGroupDialogOptions& DialogOptions() { return dialog_options_; }
  // Assigning copies into the group's own options.
  void SetDialogOptions(const TInstallGroupDialogOptions& options) { dialog_options_ = options; }

  // Refuses any container but the engine or a group (after the move, as
  // the move has happened already); none puts the group in the engine.
  void SetContainer(TInstallContainer* value) override;

 private:
  TInstallGroupDialogOptions dialog_options_;
};

class TInstallGroup : public TCustomInstallGroup {
  VORLAN_CLASS_INFO()

 public:
  using TCustomInstallGroup::TCustomInstallGroup;
};

}  // namespace vorlan

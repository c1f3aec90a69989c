#pragma once
// TCustomPathSpecifier: a symbolic destination root (the program files
// directory, the directory of an object's container...) that becomes a real
// path only while an installation runs. Install objects name one in
// DestDirType and ArchiveFileType.

#include <string>

#include "component/component.h"
#include "component/event.h"

namespace vorlan {

class TInstallContainer;

class TCustomPathSpecifier : public TComponent {
  VORLAN_CLASS_INFO()

 public:
  using TGetPathEvent = TEvent<void(TInstallContainer* component, std::string& path)>;

  explicit TCustomPathSpecifier(TComponent* owner);
  ~TCustomPathSpecifier() override;

  // Raises IEPathSpecifier when the specifier cannot serve the object.
  virtual void CheckObject(TInstallContainer* object);
  virtual std::string GetDescription();
  virtual std::string GetObjectDescription(TInstallContainer* object);
  // A directory without a trailing backslash (an archive file for the two
  // archive specifiers).
  virtual std::string GetPath(TInstallContainer* object);
  virtual std::string GetDisplayName();
  virtual std::string GetObjectDisplayName(TInstallContainer* object);

  TGetPathEvent& OnGetPath() { return on_get_path_; }
  const std::string& DefaultName() const { return default_name_; }

 protected:
  void SetDefaultName(std::string name) { default_name_ = std::move(name); }

 private:
  TGetPathEvent on_get_path_;
  std::string default_name_;
};

}  // namespace vorlan

#pragma once
// TpsFileContainer: the root that stands for one file container (group,
// directory), created by the container for itself. Its destination is the
// container's; files and containers cannot use it.

#include <string>

#include "paths/custom_path_specifier.h"

namespace vorlan {

class TFileContainer;

class TpsFileContainer : public TCustomPathSpecifier {
  VORLAN_CLASS_INFO()

 public:
  explicit TpsFileContainer(TComponent* owner) : TCustomPathSpecifier(owner) {}

  TFileContainer* FileContainer() const { return file_container_; }
  void SetFileContainer(TFileContainer* value);

  // A name another component of the owner holds is taken from it: that
  // component is renamed nameClash1, nameClash2, ... Any other refusal
  // keeps the old name.
  void SetName(const std::string& name) override;

  void CheckObject(TInstallContainer* object) override;
  std::string GetDescription() override;
  std::string GetDisplayName() override;
  std::string GetPath(TInstallContainer* object) override;

  // A stored instance replaces the one its container made for itself.
  void Loaded() override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TFileContainer* file_container_ = nullptr;
};

}  // namespace vorlan

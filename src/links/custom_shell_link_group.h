#pragma once
// TCustomShellLinkGroup: a folder of shortcuts. The engine's folder pass
// installs it; its container does not.

#include "objects/install_object.h"

namespace vorlan {

class TCustomShellLinkGroup : public TInstallObject {
  VORLAN_CLASS_INFO()

 public:
  explicit TCustomShellLinkGroup(TComponent* owner);

  void HandleMessage(TInstallContainer* sender, int code, const TReport& report) override;
  // Announces the folder, creates it with its parents, then installs as
  // any object.
  void InstallObjects() override;
  void ObjectRemoved(TInstallContainer* object) override;
};

}  // namespace vorlan

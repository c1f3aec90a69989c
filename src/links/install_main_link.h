#pragma once
// TInstallMainLink: a shortcut in the product's folder (MainLinkGroup),
// which it cannot leave.

#include "links/custom_install_shell_link.h"

namespace vorlan {

class TInstallMainLink : public TCustomInstallShellLink {
  VORLAN_CLASS_INFO()

 public:
  explicit TInstallMainLink(TComponent* owner);
  ~TInstallMainLink() override;

  // Refuses any container but MainLinkGroup.
  void SetContainer(TInstallContainer* value) override;
  // Always the container's destination.
  void SetDestDirType(TCustomPathSpecifier* value) override;
};

}  // namespace vorlan

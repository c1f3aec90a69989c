#pragma once
// TInstallShellLink: a shortcut anywhere, with every setting a definition
// can give one.

#include "links/custom_install_shell_link.h"

namespace vorlan {

class TInstallShellLink : public TCustomInstallShellLink {
  VORLAN_CLASS_INFO()

 public:
  using TCustomInstallShellLink::TCustomInstallShellLink;
};

}  // namespace vorlan

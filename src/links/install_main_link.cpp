#include "links/install_main_link.h"

#include "component/class_info.h"
#include "links/links_module.h"
#include "links/main_link_group.h"
#include "objects/container_specifiers.h"
#include "objects/specifier_access.h"

namespace vorlan {

namespace {
// Refuses the shortcut before anything of it is built.
TComponent* CheckMainLinkGroup(TComponent* owner) {
  if (!MainLinkGroup()) {
    throw IEInstallShellLink(
        "To create a TInstallMainLink you must first have a TMainLinkGroup component in your project");
  }
  return owner;
}
}  // namespace

TInstallMainLink::TInstallMainLink(TComponent* owner) : TCustomInstallShellLink(CheckMainLinkGroup(owner)) {
  SetContainer(MainLinkGroup());
  SetDestDirType(nullptr);
  if (TInstallShellLinkList* main = MainLinks()) main->Add(this);
}

TInstallMainLink::~TInstallMainLink() {
  if (TInstallShellLinkList* main = MainLinks()) main->Remove(this);
}

void TInstallMainLink::SetContainer(TInstallContainer* value) {
  if (!value || value != MainLinkGroup()) {
    throw IEInstallShellLink(
        "The TMainLinkGroup component must be the Container for TInstallMainLink and TSubLinkGroup components");
  }
  TCustomInstallShellLink::SetContainer(value);
}

void TInstallMainLink::SetDestDirType(TCustomPathSpecifier*) {
  TCustomInstallShellLink::SetDestDirType(StandardSpecifier<TpsContainerDestDir>());
}

const TClassInfo& TInstallMainLink::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfo::Define<TInstallMainLink, TCustomInstallShellLink>("TInstallMainLink");
  return info;
}

}  // namespace vorlan

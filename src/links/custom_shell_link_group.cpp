#include "links/custom_shell_link_group.h"

#include "links/link_directory.h"

namespace vorlan {

TCustomShellLinkGroup::TCustomShellLinkGroup(TComponent* owner) : TInstallObject(owner, type_code::kLinkGroup) {
  SetAutoProcess(false);
  SetInclude(true);
}

void TCustomShellLinkGroup::HandleMessage(TInstallContainer* sender, int code, const TReport& report) {
  TInstallObject::HandleMessage(sender, code, report);
  if (code == stage::kLinkGroupRequest) Process();
}

void TCustomShellLinkGroup::InstallObjects() {
  Broadcast(this, stage::kLinkGroupInstalled);
  ForceLinkDirectory(*this, GetDestinationPath());
  TInstallObject::InstallObjects();
}

void TCustomShellLinkGroup::ObjectRemoved(TInstallContainer* object) {
  bool orphaned = object == Container();
  TInstallObject::ObjectRemoved(object);
  // A folder lives inside its container; only the owner may delete it.
  if (orphaned && Owner() && !Destroying()) delete this;
}

const TClassInfo& TCustomShellLinkGroup::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfo::Define<TCustomShellLinkGroup, TInstallObject>("TCustomShellLinkGroup");
  return info;
}

}  // namespace vorlan

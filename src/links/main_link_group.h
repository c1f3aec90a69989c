#pragma once
// TMainLinkGroup: the product's folder under the Start Menu's Programs
// folder; a project has at most one.

#include "links/custom_shell_link_group.h"

namespace vorlan {

class TMainLinkGroup : public TCustomShellLinkGroup {
  VORLAN_CLASS_INFO()

 public:
  explicit TMainLinkGroup(TComponent* owner);
  ~TMainLinkGroup() override;

  // The folder always lies in the Programs folder.
  void SetDestDirType(TCustomPathSpecifier* value) override;
};

}  // namespace vorlan

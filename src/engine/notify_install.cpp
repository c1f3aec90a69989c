// The notifications that end a run: the success or the failure pages, each
// between its two events.

#include "engine/custom_install.h"

namespace vorlan {

void TCustomInstall::NotifyGoodInstall() {
  on_before_notify_good_install_(this);
  Broadcast(this, stage::kGoodInstall);
  Broadcast(this, stage::kGoodInstallPages);
  on_after_notify_good_install_(this);
}

void TCustomInstall::NotifyBadInstall() {
  on_before_notify_bad_install_(this);
  Broadcast(this, stage::kBadInstall);
  Broadcast(this, stage::kBadInstallPages);
  on_after_notify_bad_install_(this);
}

}  // namespace vorlan

// The notifications that end a run: the success or the failure pages, each
// between its two events.

#include "engine/custom_install.h"
#include "engine/run_sequence.h"

namespace vorlan {

void TRunSequence::NotifyGoodInstall() {
  engine_.OnBeforeNotifyGoodInstall()(&engine_);
  engine_.Broadcast(&engine_, stage::kGoodInstall);
  engine_.Broadcast(&engine_, stage::kGoodInstallPages);
  engine_.OnAfterNotifyGoodInstall()(&engine_);
}

void TRunSequence::NotifyBadInstall() {
  engine_.OnBeforeNotifyBadInstall()(&engine_);
  engine_.Broadcast(&engine_, stage::kBadInstall);
  engine_.Broadcast(&engine_, stage::kBadInstallPages);
  engine_.OnAfterNotifyBadInstall()(&engine_);
}

}  // namespace vorlan

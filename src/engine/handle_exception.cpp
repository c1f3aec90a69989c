// The application's handler for exceptions that reach the message loop: a
// failed or cancelled run ends in the failure pages; what is installed
// stays. Also the two questions a run asks its definition before it lets
// the user or the application go.

#include "base/exceptions.h"
#include "engine/custom_install.h"
#include "engine/run_sequence.h"
#include "widgets/application.h"
#include "widgets/error_message.h"

namespace vorlan {
namespace {

void ShowInTheStandardWay(const std::exception& error) {
  if (TApplication* application = Application()) {
    application->ShowException(error);
  } else {
    ShowErrorMessage(error.what());
  }
}

}  // namespace

void TRunSequence::HandleException(const std::exception& error) {
  if (!in_progress_) {
    ShowInTheStandardWay(error);
    return;
  }
  in_progress_ = false;
  aborted_ = true;
  // Whatever else fails below, the program reports the run as failed.
  if (TApplication* application = Application()) application->SetExitCode(1);
  try {
    HandleRunFailure(error);
  } catch (...) {
    // The failure being handled is the one that counts.
    if (engine_.RunAutomatic()) EndApplication();
  }
}

void TRunSequence::HandleRunFailure(const std::exception& error) {
  if (dynamic_cast<const EAIUserAbort*>(&error)) {
    engine_.NotifyBadInstall();
    engine_.WriteCleanupBatch();
    engine_.RemoveInstallRecord();
    if (engine_.RunAutomatic()) engine_.Shutdown();
    return;
  }
  engine_.NotifyBadInstall();
  ShowInTheStandardWay(error);
  engine_.Shutdown();
}

bool TRunSequence::DoUserAbort() {
  bool quit_out = true;
  engine_.OnUserAbort()(&engine_, quit_out);
  return quit_out;
}

void TRunSequence::Shutdown() {
  bool quit_out = true;
  engine_.OnBeforeShutdown()(&engine_, quit_out);
  if (quit_out) EndApplication();
}

}  // namespace vorlan

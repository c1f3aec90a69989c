// The application's handler for exceptions that reach the message loop: a
// failed or cancelled run ends in the failure pages; what is installed
// stays. Also the two questions a run asks its definition before it lets
// the user or the application go.

#include "base/exceptions.h"
#include "engine/custom_install.h"
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

void TCustomInstall::HandleException(TObject* /*sender*/, const std::exception& error) {
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
    if (RunAutomatic()) EndApplication();
  }
}

void TCustomInstall::HandleRunFailure(const std::exception& error) {
  if (dynamic_cast<const EAIUserAbort*>(&error)) {
    NotifyBadInstall();
    WriteCleanupBatch();
    RemoveInstallRecord();
    if (RunAutomatic()) Shutdown();
    return;
  }
  NotifyBadInstall();
  ShowInTheStandardWay(error);
  Shutdown();
}

bool TCustomInstall::DoUserAbort() {
  bool quit_out = true;
  on_user_abort_(this, quit_out);
  return quit_out;
}

void TCustomInstall::Shutdown() {
  bool quit_out = true;
  on_before_shutdown_(this, quit_out);
  if (quit_out) EndApplication();
}

}  // namespace vorlan

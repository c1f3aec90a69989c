#include "engine/run_mode_end.h"

#include <exception>

#include "widgets/application.h"
#include "widgets/error_message.h"

namespace vorlan {

void RunModeToEnd(const std::function<void()>& mode) {
  TApplication* application = Application();
  try {
    mode();
  } catch (const std::exception& error) {
    if (!application) return ShowErrorMessage(error.what());
    application->ShowException(error);
    application->SetExitCode(1);
  }
  if (!application) return;
  application->ProcessMessages();
  application->Terminate();
}

void ProcessPendingMessages() {
  if (TApplication* application = Application()) application->ProcessMessages();
}

}  // namespace vorlan

#include "widgets/application.h"

#include <windows.h>

#include "archive/archive_hooks.h"
#include "base/exceptions.h"
#include "component/program_scope.h"
#include "widgets/command_line.h"
#include "widgets/error_message.h"
#include "widgets/main_form.h"
#include "widgets/widgets_module.h"

namespace vorlan {

namespace {
void Dispatch(const MSG& message) {
  TranslateMessage(&message);
  DispatchMessageA(&message);
}
}  // namespace

TApplication::TApplication() : TApplication(SplitCommandLine(GetCommandLineA())) {}

// The archive's long loops let the windows take their messages after every
// buffer, so that they repaint and a Cancel button is heard while a file is
// extracted, compressed or copied.
TApplication::TApplication(std::vector<std::string> parameters) : parameters_(std::move(parameters)) {
  TWidgetsState& state = WidgetsState();
  if (state.application) throw Exception("A program has only one application object");
  state.application = this;
  SetArchiveProcessMessages([this] { ProcessMessages(); });
}

TApplication::~TApplication() {
  SetArchiveProcessMessages(nullptr);
  if (ProgramScope::Exists()) {
    if (TWidgetsState* state = ProgramScope::Current().Find<TWidgetsState>()) state->application = nullptr;
  }
}

std::vector<std::string> TApplication::Parameters() const {
  if (parameters_.empty()) return {};
  return {parameters_.begin() + 1, parameters_.end()};
}

void TApplication::Run() {
  if (main_form_ && !terminated_) main_form_->Show();
  MSG message;
  while (!terminated_ && GetMessageA(&message, nullptr, 0, 0) > 0) Dispatch(message);
}

void TApplication::ProcessMessages() {
  MSG message;
  while (!terminated_ && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      terminated_ = true;
      break;
    }
    Dispatch(message);
  }
}

// The loop looks at the flag after each message; a quit message would
// outlive the loop in the thread's queue.
void TApplication::Terminate() { terminated_ = true; }

void TApplication::HandleCurrentException(TObject* sender) {
  try {
    throw;
  } catch (const std::exception& error) {
    HandleException(sender, error);
  } catch (...) {
    HandleException(sender, Exception("Unknown error"));
  }
}

void TApplication::HandleException(TObject* sender, const std::exception& error) {
  if (on_exception_) {
    on_exception_(sender, error);
    return;
  }
  ShowException(error);
  if (exit_code_ == 0) exit_code_ = 1;
  Terminate();
}

void TApplication::ShowException(const std::exception& error) { ShowErrorMessage(error.what()); }

TApplication* Application() {
  if (!ProgramScope::Exists()) return nullptr;
  TWidgetsState* state = ProgramScope::Current().Find<TWidgetsState>();
  return state ? state->application : nullptr;
}

std::vector<std::string> ProgramParameters() {
  if (TApplication* application = Application()) return application->Parameters();
  std::vector<std::string> parameters = SplitCommandLine(GetCommandLineA());
  if (!parameters.empty()) parameters.erase(parameters.begin());
  return parameters;
}

}  // namespace vorlan

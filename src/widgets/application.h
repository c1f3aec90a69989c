#pragma once
// TApplication: the program's one user-interface thread. It holds the
// command line, the main form and the message loop; exceptions that reach
// the loop (from any window's message handling) go to OnException, or,
// while nobody handles them, are shown and end the program.

#include <exception>
#include <string>
#include <vector>

#include "component/event.h"

namespace vorlan {

class TMainForm;
class TObject;

class TApplication {
 public:
  using TExceptionEvent = TEvent<void(TObject* sender, const std::exception& error)>;

  // The parameters of the process's own command line.
  TApplication();
  // Explicit parameters, the program's name first.
  explicit TApplication(std::vector<std::string> parameters);
  ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  // Every parameter after the program's name.
  std::vector<std::string> Parameters() const;
  TMainForm* MainForm() const { return main_form_; }
  void SetMainForm(TMainForm* form) { main_form_ = form; }

  // Shows the main form and dispatches messages until Terminate.
  void Run();
  // Dispatches every message waiting now, then returns.
  void ProcessMessages();
  // Ends the loop once the call under way returns to it; a program
  // terminated before Run does not show its main form.
  void Terminate();
  bool Terminated() const { return terminated_; }
  int ExitCode() const { return exit_code_; }
  void SetExitCode(int code) { exit_code_ = code; }

  TExceptionEvent& OnException() { return on_exception_; }
  // For a catch block: passes the exception being handled on.
  void HandleCurrentException(TObject* sender);
  void HandleException(TObject* sender, const std::exception& error);
  // The error in a message box (or on stderr when unattended).
  void ShowException(const std::exception& error);

 private:
  std::vector<std::string> parameters_;
  TMainForm* main_form_ = nullptr;
  bool terminated_ = false;
  int exit_code_ = 0;
  TExceptionEvent on_exception_;
};

// The application alive now, or none.
TApplication* Application();
// The application's parameters; without one, the process's own.
std::vector<std::string> ProgramParameters();

}  // namespace vorlan

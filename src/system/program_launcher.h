#pragma once
// TProgramLauncher: starts a program and waits until it is ready for input,
// not until it ends.

#include <string>

#include "component/component.h"

namespace vorlan {

enum TplShowMode : uint8_t { smNormal, smMaximized, smMinimized, smHide };

class TProgramLauncher : public TComponent {
  VORLAN_CLASS_INFO()

 public:
  explicit TProgramLauncher(TComponent* owner) : TComponent(owner) {}

  // Action, StartDir, Timeout and Wait are kept for the definition only;
  // Execute does not use them.
  const std::string& Action() const { return action_; }
  void SetAction(const std::string& value) { action_ = value; }
  const std::string& FileName() const { return file_name_; }
  void SetFileName(const std::string& value) { file_name_ = value; }
  // The whole command line: the program's name is not put in front.
  const std::string& Parameters() const { return parameters_; }
  void SetParameters(const std::string& value) { parameters_ = value; }
  TplShowMode ShowMode() const { return show_mode_; }
  void SetShowMode(TplShowMode value) { show_mode_ = value; }
  const std::string& StartDir() const { return start_dir_; }
  void SetStartDir(const std::string& value) { start_dir_ = value; }
  int Timeout() const { return timeout_; }
  void SetTimeout(int value) { timeout_ = value; }
  bool Wait() const { return wait_; }
  void SetWait(bool value) { wait_ = value; }

  // Raises EProgramLauncherFailed with the launch code and its text.
  void Execute();

  // The text of a launch code.
  static std::string LaunchErrorText(int code);

 private:
  std::string action_ = "Open";
  std::string file_name_;
  std::string parameters_;
  TplShowMode show_mode_ = smNormal;
  std::string start_dir_;
  int timeout_ = -1;
  bool wait_ = true;
};

}  // namespace vorlan

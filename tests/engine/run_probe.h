#pragma once
// Install objects for the run sequence tests: each records, in one shared
// log, the stage codes it hears and its own installation, and may act on
// one stage code, as a dialog manager would.

#include <functional>
#include <string>
#include <vector>

#include "objects/file_related.h"

namespace vorlan::engine_test {

std::vector<std::string>& RunLog();

class TRunProbe : public TFileRelated {
 public:
  // Heard codes are logged as "<name> heard <code>" (with a status text
  // after it), the installation as "install <name>".
  TRunProbe(TComponent* owner, int type_code);
  void HandleMessage(TInstallContainer* sender, int code, const TReport& report) override;
  void InstallObjects() override;

  // Called when code is heard, after it is logged.
  void OnCode(int code, std::function<void()> action);

 private:
  int action_code_ = 0;
  std::function<void()> action_;
};

// The codes the probe heard, in order, and the status texts among them.
std::vector<int> HeardCodes(const std::string& probe);
std::vector<std::string> StatusTexts(const std::string& probe);

}  // namespace vorlan::engine_test

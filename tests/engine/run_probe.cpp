#include "run_probe.h"

#include "base/format.h"
#include "base/strings.h"
#include "objects/install_types.h"
#include "objects/parameters.h"

namespace vorlan::engine_test {

std::vector<std::string>& RunLog() {
  static std::vector<std::string> log;
  return log;
}

// Like the links and registry objects, a probe waits for the pass of its code.
TRunProbe::TRunProbe(TComponent* owner, int type_code) : TFileRelated(owner, type_code) { SetAutoProcess(false); }

void TRunProbe::HandleMessage(TInstallContainer* /*sender*/, int code, const TReport& report) {
  std::string entry = Format("%s heard %d", Name(), code);
  if (report.message) entry += " " + report.message->Text();
  RunLog().push_back(entry);
  if (action_ && code == action_code_) action_();
}

void TRunProbe::InstallObjects() {
  RunLog().push_back("install " + Name());
  TFileRelated::InstallObjects();
}

void TRunProbe::OnCode(int code, std::function<void()> action) {
  action_code_ = code;
  action_ = std::move(action);
}

std::vector<int> HeardCodes(const std::string& probe) {
  std::vector<int> codes;
  std::string prefix = probe + " heard ";
  for (const std::string& entry : RunLog()) {
    if (entry.rfind(prefix, 0) == 0) codes.push_back(std::stoi(entry.substr(prefix.size())));
  }
  return codes;
}

std::vector<std::string> StatusTexts(const std::string& probe) {
  std::vector<std::string> texts;
  std::string prefix = Format("%s heard %d ", probe, stage::kStatusText);
  for (const std::string& entry : RunLog()) {
    if (entry.rfind(prefix, 0) == 0) texts.push_back(entry.substr(prefix.size()));
  }
  return texts;
}

}  // namespace vorlan::engine_test

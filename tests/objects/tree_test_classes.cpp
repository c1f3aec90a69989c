#include "tree_test_classes.h"

#include "base/format.h"
#include "objects/parameters.h"

namespace vorlan::tree_test {

std::vector<std::string>& Log() {
  static std::vector<std::string> log;
  return log;
}

template <int Code>
void TRecordingObject<Code>::HandleMessage(TInstallContainer*, int code, const TReport& report) {
  std::string entry = Format("%s heard %d", this->Name(), code);
  if (report.message) entry += " " + report.message->Text();
  Log().push_back(entry);
}

template class TRecordingObject<500>;
template class TRecordingObject<1000>;
template class TRecordingObject<2000>;
template class TRecordingObject<8000>;

const TClassInfo& TInstallBDE::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TInstallBDE, TFileRelated>("TInstallBDE");
  return info;
}

}  // namespace vorlan::tree_test

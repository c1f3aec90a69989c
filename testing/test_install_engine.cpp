#include "test_install_engine.h"

namespace vorlan::testing {

TTestEngine::TTestEngine(TComponent* owner) : TFileContainer(owner, type_code::kFileContainer, false) {
  SetTheInstall(this);
}

TTestEngine::~TTestEngine() { SetTheInstall(nullptr); }

bool TTestEngine::SelfExtracting(std::string& executable) const {
  executable = self_extract_text;
  return self_extracting;
}

void TTestEngine::AddUnfinishedEntry(const std::string& name, int kind) {
  unfinished.push_back(name + ";" + std::to_string(kind));
}

void TTestEngine::Notification(TComponent* component, TOperation operation) {
  TFileContainer::Notification(component, operation);
  if (operation == TOperation::opRemove) extended_information.Removed(component);
}

const TClassInfo& TTestEngine::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TTestEngine, TFileContainer>("TTestEngine");
  return info;
}

}  // namespace vorlan::testing

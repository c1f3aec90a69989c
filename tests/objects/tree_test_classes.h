#pragma once
// Install objects of each type code for the tree tests, recording what
// happens to them in one shared log.

#include <string>
#include <vector>

#include "objects/file_related.h"
#include "test_install_engine.h"

namespace vorlan::tree_test {

std::vector<std::string>& Log();

// Records its installation and the messages it hears.
template <int Code>
class TRecordingObject : public TFileRelated {
 public:
  explicit TRecordingObject(TComponent* owner) : TFileRelated(owner, Code) {}
  void InstallObjects() override {
    Log().push_back("install " + Name());
    TFileRelated::InstallObjects();
  }
  void HandleMessage(TInstallContainer* sender, int code, const TReport& report) override;
  void RegisterUninstall(const std::string& key) override { Log().push_back("uninstall " + Name() + " " + key); }
};

using TTestGroup = TRecordingObject<500>;
using TTestDirectory = TRecordingObject<1000>;
using TTestFile = TRecordingObject<2000>;
using TTestLink = TRecordingObject<8000>;

// A class the container puts first whatever its code.
class TInstallBDE : public TRecordingObject<2000> {
  VORLAN_CLASS_INFO()

 public:
  using TRecordingObject::TRecordingObject;
};

using testing::TTestEngine;

}  // namespace vorlan::tree_test

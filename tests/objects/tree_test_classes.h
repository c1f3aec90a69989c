#pragma once
// Install objects of each type code for the tree tests, recording what
// happens to them in one shared log.

#include <string>
#include <vector>

#include "objects/file_container.h"
#include "objects/file_related.h"
#include "objects/install_engine.h"

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
  void HandleMessage(TObject* sender, int code, TObject* parameter) override;
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

// An engine that is a file container, as the real one is, without a run.
class TTestEngine : public TFileContainer, public TInstallEngine {
  VORLAN_CLASS_INFO()

 public:
  explicit TTestEngine(TComponent* owner) : TFileContainer(owner, type_code::kFileContainer, false) {
    SetTheInstall(this);
  }
  ~TTestEngine() override { SetTheInstall(nullptr); }

  TInstallObject& AsInstallObject() override { return *this; }
  bool InProgress() const override { return in_progress; }
  std::string CompanyName() const override { return "Acme"; }
  std::string ProductName() const override { return product_name; }
  std::string Version() const override { return "2.1"; }
  TDistributeType DistributeType() const override { return distribute_type; }
  TCustomNetInstallLocation* DefaultNetLocation() const override { return net_location; }
  std::string LoadingProgramDir() const override { return "C:\\Setup"; }
  bool SelfExtracting(std::string&) const override { return false; }
  void SetReboot(bool value) override { reboot = value; }
  void AddUnfinishedEntry(const std::string& name, int kind) override {
    unfinished.push_back(name + ";" + std::to_string(kind));
  }

  bool in_progress = false;
  std::string product_name = "Test Product";
  TDistributeType distribute_type = dtTraditional;
  TCustomNetInstallLocation* net_location = nullptr;
  bool reboot = false;
  std::vector<std::string> unfinished;
};

}  // namespace vorlan::tree_test

#pragma once
// The engine of the install object tests: a file container at the root of
// the tree, as the real engine is, that answers the objects' questions from
// fields a test sets and records what the objects ask of it.

#include <string>
#include <vector>

#include "objects/control_panel_extension_information.h"
#include "objects/file_container.h"
#include "objects/install_engine.h"

namespace vorlan::testing {

class TTestEngine : public TFileContainer, public TInstallEngine {
  VORLAN_CLASS_INFO()

 public:
  explicit TTestEngine(TComponent* owner);
  ~TTestEngine() override;

  TInstallObject& AsInstallObject() override { return *this; }
  bool InProgress() const override { return in_progress; }
  std::string CompanyName() const override { return company_name; }
  std::string ProductName() const override { return product_name; }
  std::string Version() const override { return version; }
  std::string RegCompany() const override { return reg_company; }
  std::string RegOwner() const override { return reg_owner; }
  const TControlPanelExtensionInformation& ExtendedInformation() const override { return extended_information; }
  void SetAddUninstallOnCreate(bool value) override { add_uninstall_on_create = value; }
  TDistributeType DistributeType() const override { return distribute_type; }
  TCustomNetInstallLocation* DefaultNetLocation() const override { return net_location; }
  std::string LoadingProgramDir() const override { return loading_program_dir; }
  bool SelfExtracting(std::string& executable) const override;
  void SetReboot(bool value) override { reboot = value; }
  void AddUnfinishedEntry(const std::string& name, int kind) override;

  bool in_progress = false;
  std::string company_name = "Acme";
  std::string product_name = "Test Product";
  std::string version = "2.1";
  std::string reg_company;
  std::string reg_owner;
  TControlPanelExtensionInformation extended_information{this};
  bool add_uninstall_on_create = true;
  TDistributeType distribute_type = dtTraditional;
  TCustomNetInstallLocation* net_location = nullptr;
  std::string loading_program_dir = "C:\\Setup\\";
  bool self_extracting = false;
  std::string self_extract_text;
  bool reboot = false;
  // "name;kind" for each entry.
  std::vector<std::string> unfinished;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
};

}  // namespace vorlan::testing

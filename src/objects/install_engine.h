#pragma once
// What the install objects ask of the engine. The engine class itself is
// built above them, on the file container; it registers itself here.

#include <cstdint>
#include <string>

namespace vorlan {

class TControlPanelExtensionInformation;
class TCustomNetInstallLocation;
class TInstallObject;

enum TDistributeType : uint8_t { dtTraditional, dtWeb, dtTraditionalNet };

class TInstallEngine {
 public:
  virtual ~TInstallEngine() = default;
  // The engine as a member of the tree it is the root of.
  virtual TInstallObject& AsInstallObject() = 0;
  // An installation run is under way.
  virtual bool InProgress() const = 0;
  // The product as the engine's Information describes it; the product
  // name also names the Add/Remove Programs key.
  virtual std::string CompanyName() const = 0;
  virtual std::string ProductName() const = 0;
  virtual std::string Version() const = 0;
  // Who registered the product, as the registration information holds it.
  virtual std::string RegCompany() const = 0;
  virtual std::string RegOwner() const = 0;
  // The extra values of the product's Add/Remove Programs entry.
  virtual const TControlPanelExtensionInformation& ExtendedInformation() const = 0;
  // Whether the authoring tool adds an uninstaller to a new definition by
  // itself; an uninstaller that goes turns it off.
  virtual void SetAddUninstallOnCreate(bool value) = 0;
  // How the archives are distributed.
  virtual TDistributeType DistributeType() const = 0;
  // The process-wide default remote location, or none.
  virtual TCustomNetInstallLocation* DefaultNetLocation() const = 0;
  // The -s text when given, else the program's directory.
  virtual std::string LoadingProgramDir() const = 0;
  // -e was given: the setup runs inside a self-extracting executable whose
  // file name is the switch text.
  virtual bool SelfExtracting(std::string& executable) const = 0;
  // Asks for a restart of Windows once the installation is over.
  virtual void SetReboot(bool value) = 0;
  // Records, under the install record, an object that the after-reboot run
  // resumes (kind 0: an install file by name) or a file it deletes (kind 1).
  virtual void AddUnfinishedEntry(const std::string& name, int kind) = 0;
};

// The single engine, or none.
TInstallEngine* TheInstall();
// Clearing it tells every install object that the engine is gone.
void SetTheInstall(TInstallEngine* engine);

}  // namespace vorlan

#include "objects/uninstall_exe.h"

#include "base/file.h"
#include "base/strings.h"
#include "objects/control_panel_extension_information.h"
#include "objects/framework_directory.h"
#include "objects/install_engine.h"
#include "objects/uninstall_record_list.h"
#include "system/registry_routines.h"
#include "system/uninstall_records.h"

namespace vorlan {

namespace {
// Where a file of this run was installed; empty for none or one the run
// left out.
std::string ProcessedFilePath(TCustomInstallFile* file) {
  if (!file || !file->Processed()) return {};
  return AddBackslash(file->GetDestinationPath()) + file->DestName();
}

class TEntryWriter {
 public:
  explicit TEntryWriter(std::string key) : key_(std::move(key)) {}
  void Write(const std::string& name, const std::string& text) { WriteRegString(hkLocalMachine, key_, name, text); }
  void WriteUnlessEmpty(const std::string& name, const std::string& text) {
    if (!text.empty()) Write(name, text);
  }

 private:
  std::string key_;
};
}  // namespace

TUninstallEXE::TUninstallEXE(TComponent* owner) : TCustomInstallFile(owner) {
  SetNet(true);
  if (Designing()) TakeFrameworkUninstaller();
}

TUninstallEXE::~TUninstallEXE() {
  if (TInstallEngine* engine = TheInstall()) engine->SetAddUninstallOnCreate(false);
}

// An author without a framework directory names the source later.
void TUninstallEXE::TakeFrameworkUninstaller() {
  try {
    std::string directory = FindFrameworkDirectory(true);
    if (!FileExists(AddBackslash(directory) + kUninstallProgramName)) return;
    SetIncludeFromDir(directory);
    SetFileName(kUninstallProgramName);
    SetDestName(kUninstallProgramName);
  } catch (const Exception&) {
  }
}

void TUninstallEXE::RegisterUninstall(const std::string& key) {
  TInstallEngine* engine = TheInstall();
  if (!engine) {
    throw IEUninstallEXE(
        "%s could not write information about the uninstall to the registry because there was no TInstall "
        "component",
        Name());
  }
  const TControlPanelExtensionInformation& extended = engine->ExtendedInformation();
  std::string product = Trim(engine->ProductName());
  TEntryWriter entry(key);
  entry.Write("DisplayName", product);
  // Quoted: Windows would otherwise try every leading part of a path with
  // blanks as a program of its own ("C:\Program.exe") before the real one.
  entry.Write("UninstallString", "\"" + AddBackslash(GetDestinationPath()) + DestName() + "\" " + product);
  entry.WriteUnlessEmpty("Comments", extended.Comments());
  entry.WriteUnlessEmpty("Contact", extended.Contact());
  entry.WriteUnlessEmpty("DisplayIcon", ProcessedFilePath(extended.DisplayIcon()));
  entry.WriteUnlessEmpty("DisplayVersion", engine->Version());
  entry.WriteUnlessEmpty("HelpLink", extended.HelpLink());
  entry.WriteUnlessEmpty("HelpTelephone", extended.HelpTelephone());
  entry.WriteUnlessEmpty("Publisher", engine->CompanyName());
  entry.WriteUnlessEmpty("ProductID", extended.ProductID());
  entry.WriteUnlessEmpty("Readme", ProcessedFilePath(extended.ReadMe()));
  entry.WriteUnlessEmpty("URLInfoAbout", extended.URLInfoAbout());
  entry.WriteUnlessEmpty("URLUpdateInfo", extended.URLUpdateInfo());
  entry.WriteUnlessEmpty("RegCompany", engine->RegCompany());
  entry.WriteUnlessEmpty("RegOwner", engine->RegOwner());
  // Even empty, the list tells the uninstaller that this entry names the
  // directories its installation created, and no others are to go.
  TUninstallRecordList(AddBackslash(key) + uninstall_record::kDirectories, uninstall_record::kDirectory).Create();
}

namespace {
const TEnumInfo& InstallFileStateInfo() {
  static const TEnumInfo info("TInstallFileState", {"ifsNone", "ifsCompress", "ifsInstall", "ifsCopying", "ifsReflect"});
  return info;
}
}  // namespace

const TClassInfo& TUninstallEXE::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TUninstallEXE, TCustomInstallFile>("TUninstallEXE", [](auto& p) {
    using T = TUninstallEXE;
    p.Withdraw("OS");
    p.Withdraw("Uninstall");
    p.Boolean("Net", &T::Net, &T::SetNet).Default(true);
    p.Integer("Order", &T::Order, &T::SetOrder).Default(int64_t{0});
    // An operation, not a setting: never stored, and a definition that
    // names one does not run it while it is being read.
    p.Enumeration("State", InstallFileStateInfo(), &T::State, [](T& file, TInstallFileState state) {
       if (!file.Loading()) file.SetState(state);
     }).Stored([](const T&) { return false; });
  });
  return info;
}

}  // namespace vorlan

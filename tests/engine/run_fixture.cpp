#include "run_fixture.h"

#include <windows.h>

#include <cstdlib>

#include "archive/vorlan_compress.h"
#include "base/file.h"
#include "base/strings.h"
#include "system/registry_routines.h"
#include "system/vorlan_registry.h"

namespace vorlan::engine_test {
namespace {

constexpr const char* kRunOnceKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

void SetUnattended(bool on) {
  SetEnvironmentVariableA("VORLAN_UNATTENDED", on ? "1" : nullptr);
  _putenv(on ? "VORLAN_UNATTENDED=1" : "VORLAN_UNATTENDED=");
}

// A run that asked for the after-reboot run leaves its RunOnce value.
void DeleteRunOnceValues() {
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    TVorlanRegistry registry;
    registry.SetRootKey(root);
    if (!registry.OpenKey(kRunOnceKey, false)) continue;
    for (const std::string& name : registry.GetValueNames()) {
      if (name.rfind("VorlanUnfinished", 0) == 0) registry.DeleteValue(name);
    }
  }
}

}  // namespace

void RunFixture::SetUp() {
  RunLog().clear();
  SetUnattended(true);
  product_ = "VorlanRunTest " + ExtractFileName(temp.Dir());
}

void RunFixture::TearDown() {
  if (capturing_) Errors();
  if (engine && Engine() == engine) {
    std::string key;
    if (engine->FindInstallRecord(false, key)) DeleteRegKeyTree(hkLocalMachine, key);
  }
  DeleteRegKeyTree(hkLocalMachine, kUninstallKeyPrefix + product_);
  DeleteRunOnceValues();
  SetUnattended(false);
}

TInstall& RunFixture::LoadEngine(const std::string& properties, std::vector<std::string> parameters) {
  parameters.insert(parameters.begin(), "-s" + temp.Dir());
  engine = &Load(properties, parameters);
  engine->Information().SetProductName(product_);
  dest = new TPathSpecifier(form.get());
  dest->SetName("psDest");
  std::string path = temp.Path("dest");
  dest->OnGetPath().Assign([path](TInstallContainer*, std::string& out) { out = path; });
  return *engine;
}

TRunProbe* RunFixture::MakeProbe(const std::string& name, int type_code, TInstallContainer* container) {
  auto* probe = new TRunProbe(form.get(), type_code);
  probe->SetName(name);
  probe->SetContainer(container ? container : engine);
  return probe;
}

TInstallFile* RunFixture::MakeFile(const std::string& name, const std::string& file_name, const std::string& content,
                                   TInstallContainer* container) {
  ForceDirectories(temp.Path("src"));
  testing::WriteWholeFile(temp.Path("src\\" + file_name), content);
  auto* file = new TInstallFile(form.get());
  file->SetName(name);
  file->SetContainer(container ? container : engine);
  file->SetIncludeFromDir(temp.Path("src"));
  file->SetFileName(file_name);
  file->SetDestDirType(dest);
  file->OnAfterInstall().Assign([](TCustomInstallFile* f) { RunLog().push_back("file " + f->Name()); });
  return file;
}

void RunFixture::BuildArchive(const std::vector<TInstallFile*>& files) {
  TVorlanCompress archive(nullptr);
  archive.SetCompressedFile(temp.Path("files.1"));
  bool append = false;
  for (TInstallFile* file : files) {
    archive.SetFilesToProcess({file->SourcePath()});
    archive.Add(append, file->UniqueID());
    append = true;
  }
}

void RunFixture::Activate() {
  try {
    form->Activate();
  } catch (...) {
    application->HandleCurrentException(form.get());
  }
}

bool RunFixture::HasInstallRecord() {
  std::string key;
  return engine->FindInstallRecord(false, key);
}

void RunFixture::CaptureErrors() {
  ::testing::internal::CaptureStderr();
  capturing_ = true;
}

std::string RunFixture::Errors() {
  if (capturing_) errors_ = ::testing::internal::GetCapturedStderr();
  capturing_ = false;
  return errors_;
}

}  // namespace vorlan::engine_test

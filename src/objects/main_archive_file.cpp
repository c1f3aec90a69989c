#include "objects/main_archive_file.h"

#include "base/exceptions.h"
#include "base/strings.h"
#include "component/class_info.h"
#include "objects/container_specifiers.h"
#include "objects/install_engine.h"
#include "objects/specifier_access.h"

namespace vorlan {

namespace {
// The first part of the archive.
const char kFirstPart[] = "files.1";
}  // namespace

TpsMainArchiveFile::TpsMainArchiveFile(TComponent* owner) : TStandardPathSpecifier(owner) {
  SetDefaultName("psMainArchiveFile");
}

void TpsMainArchiveFile::CheckObject(TInstallContainer* object) { RequireEngine(object); }

std::string TpsMainArchiveFile::GetDescription() {
  return "Archive containing most or all non-internet installation files";
}

std::string TpsMainArchiveFile::GetDisplayName() { return "Main archive"; }

std::string TpsMainArchiveFile::GetPath(TInstallContainer* object) {
  CheckObject(object);
  const TInstallEngine& engine = *TheInstall();
  std::string executable;
  if (engine.SelfExtracting(executable)) {
    if (Trim(executable).empty()) {
      throw IEInstall(
          "You forgot to pass in the name of the self-extracting executable. Usage example: \"-eSetup.exe\"");
    }
    return AddBackslash(engine.LoadingProgramDir()) + executable;
  }
  if (!Trim(current_disk_dir_).empty()) return AddBackslash(current_disk_dir_) + kFirstPart;
  return AddBackslash(engine.LoadingProgramDir()) + kFirstPart;
}

void SetMainArchiveDiskDir(const std::string& dir) {
  if (auto* main = StandardSpecifier<TpsMainArchiveFile>()) main->SetCurrentDiskDir(RemoveBackslash(dir));
}

const TClassInfo& TpsMainArchiveFile::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TpsMainArchiveFile, TStandardPathSpecifier>("TpsMainArchiveFile");
  return info;
}

}  // namespace vorlan

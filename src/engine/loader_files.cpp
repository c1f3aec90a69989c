// The files a setup starts from: setup.exe, the framework's loading program,
// beside setup.1, the archive that carries this program to it; or, without
// the loading program, this program itself.

#include <windows.h>
// The archive component's CopyFile, not the system's.
#undef CopyFile

#include "archive/archive_exceptions.h"
#include "archive/vorlan_compress.h"
#include "base/exceptions.h"
#include "base/file.h"
#include "base/strings.h"
#include "engine/custom_install.h"
#include "engine/distribution_build.h"
#include "engine/engine_errors.h"
#include "objects/framework_directory.h"

namespace vorlan {

namespace {
constexpr const char* kLoadingProgram = "VorlanLoadProgram.exe";

// Replaces target with a copy of source. A cancelled build goes on up; any
// other failure answers false, for the caller to say which copy it was.
bool CopyForBuild(const std::string& source, const std::string& target) {
  TVorlanCompress copier(nullptr);
  copier.SetOverwrite(owAlways);
  try {
    copier.CopyFile(source, target);
  } catch (const EUserAbortInstall&) {
    throw;
  } catch (const Exception&) {
    return false;
  }
  return FileExists(target);
}

std::string LoadingProgramPath() {
  std::string framework;
  try {
    framework = FindFrameworkDirectory(true);
  } catch (const IENoVorlanPath&) {
    throw IEInstall(engine_error::kNoFrameworkDirectory, engine_error::kFrameworkKey);
  }
  std::string loader = AddBackslash(framework) + kLoadingProgram;
  if (!FileExists(loader)) throw IEInstall(engine_error::kLoaderMissing, loader);
  return loader;
}
}  // namespace

void TDistributionBuild::CreateLoaderFiles(const std::string& build_dir, const std::string& program) {
  TBuildNotifications& notifications = engine_.BuildNotifications();
  if (!engine_.UseLoadingProgram()) {
    std::string target = AddBackslash(build_dir) + ExtractFileName(program);
    Notify(notifications.before_program_copy, engine_);
    if (!ForceDirectories(build_dir) || !CopyForBuild(program, target)) {
      throw IEInstall(engine_error::kProgramNotCopied, program, target);
    }
    Notify(notifications.after_program_copy, engine_);
    return;
  }
  Notify(notifications.before_setup_archive, engine_);
  try {
    engine_.WriteSetupArchive(build_dir, program);
  } catch (const EvcDiskFull&) {
    throw IEInstall(engine_error::kSetupArchiveDiskFull);
  }
  Notify(notifications.after_setup_archive, engine_);
  std::string loader = LoadingProgramPath();
  std::string setup_exe = AddBackslash(build_dir) + "setup.exe";
  if (!CopyForBuild(loader, setup_exe)) throw IEInstall(engine_error::kLoaderNotCopied, loader, setup_exe);
}

}  // namespace vorlan

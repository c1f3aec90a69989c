// The build proper: the loader files, the product's archives by the kind of
// distribution, and the stand-alone setup executable with its checksum.

#include "base/exceptions.h"
#include "base/scope_exit.h"
#include "base/strings.h"
#include "engine/custom_install.h"
#include "engine/distribution_build.h"
#include "engine/engine_errors.h"
#include "objects/custom_install_file.h"
#include "objects/install_types.h"
#include "objects/objects_module.h"
#include "system/file_checksum.h"

namespace vorlan {

namespace {
// Every build compresses every file, whatever its install type, into
// archives below the build directory.
TCompressOptions BuildOptions(TDistributeType type) {
  TCompressOptions options = SetBit(coArchivesToBuildDir) | SetBit(coBuildMode) | SetBit(coIncludeAll);
  switch (type) {
    case dtTraditional: return options | SetBit(coForceNetFilesLocal);
    case dtWeb: return options | SetBit(coForceFilesNet);
    case dtTraditionalNet: break;
  }
  return options;
}
}  // namespace

void TCustomInstall::Compress(TCompressOptions options) {
  for (TCustomInstallFile* file : AllInstallFiles().Items()) file->SetCompressedInBuild(false);
  TFileContainer::Compress(options);
}

void TCustomInstall::CompressInto(const std::string& archive, TCompressOptions options) {
  TCustomPathSpecifier* archive_type = ArchiveFileType();
  std::string archive_file = ArchiveFile();
  TScopeExit restore([&] {
    AssignArchiveFileType(archive_type);
    SetArchiveFile(archive_file);
  });
  AssignArchiveFileType(nullptr);
  SetArchiveFile(archive);
  Compress(options);
}

void TDistributionBuild::Build(const std::string& program, const std::string& build_dir, bool stand_alone) {
  TBuildNotifications& notifications = engine_.BuildNotifications();
  if (stand_alone && !engine_.UseLoadingProgram()) throw IEInstall(engine_error::kStandAloneNeedsLoader);
  std::string setup_exe = AddBackslash(build_dir) + "setup.exe";
  std::string files_archive = AddBackslash(build_dir) + "files.1";
  engine_.CreateLoaderFiles(build_dir, program);
  Notify(notifications.after_loader_files, engine_);
  CompressProductArchives(files_archive);
  Notify(notifications.after_product_archives, engine_);
  if (stand_alone) {
    Notify(notifications.before_stand_alone, engine_);
    MakeStandAlone(setup_exe, AddBackslash(build_dir) + "setup.1", files_archive);
    Notify(notifications.after_stand_alone, engine_);
  } else {
    // Without the loading program the setup executable is the copy of this
    // program, under its own name.
    AddNotSelfExtractInfo(engine_.UseLoadingProgram() ? setup_exe : AddBackslash(build_dir) + ExtractFileName(program));
  }
  if (engine_.UseLoadingProgram()) AddFileCheckSum(setup_exe);
}

// The file list goes below the archive the tree is compressed into.
void TDistributionBuild::CompressProductArchives(const std::string& files_archive) {
  engine_.CompressInto(files_archive, BuildOptions(engine_.DistributeType()));
  if (engine_.DistributeType() != dtTraditional) WriteFileList(files_archive);
}

}  // namespace vorlan

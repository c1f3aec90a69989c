// setup.1: the archive the loading program unpacks and starts this program
// from, with the files it shows before the installation.

#include "base/exceptions.h"
#include "base/file.h"
#include "base/strings.h"
#include "engine/custom_install.h"
#include "engine/distribution_build.h"
#include "engine/engine_errors.h"
#include "objects/install_file.h"

namespace vorlan {

namespace {
// A file of no container that exists only to put source into archive.
void CompressInto(const std::string& archive, const std::string& source, TlzhCommand command) {
  TInstallFile file(nullptr, source);
  file.SetNet(false);
  file.SetAddToArchive(command);
  file.SetArchiveFileType(nullptr);
  file.SetArchiveFile(archive);
  file.Compress();
}
}  // namespace

void TDistributionBuild::WriteSetupArchive(const std::string& build_dir, const std::string& program) {
  if (Trim(program).empty()) throw IEInstall(engine_error::kExecutableBlank);
  if (!FileExists(program)) throw IEInstall(engine_error::kExecutableMissing, program);
  std::string archive = AddBackslash(build_dir) + "setup.1";
  CompressInto(archive, program, lzcOverwrite);
  for (const std::string& line : engine_.PresetupFiles()) CompressInto(archive, line, lzcOnlyAdd);
}

}  // namespace vorlan

// The programs a definition marks to start once the product is installed.

#include <vector>

#include "engine/custom_install.h"
#include "engine/run_sequence.h"
#include "objects/custom_install_file.h"
#include "objects/objects_module.h"
#include "system/program_launcher.h"

namespace vorlan {

void TRunSequence::RunFilesAfterInstall() {
  std::vector<TCustomInstallFile*> files = AllInstallFiles().Items();
  for (TCustomInstallFile* file : files) {
    if (!file->RunAfterInstall() || !file->Include()) continue;
    std::string path = file->GetInstalledPath();
    bool default_action = true;
    engine_.OnBeforeRunFile()(&engine_, path, default_action);
    if (!default_action) continue;
    TProgramLauncher launcher(nullptr);
    launcher.SetFileName(path);
    launcher.SetShowMode(smNormal);
    // The command line goes to the program as it stands: the leading blank
    // leaves the program's own name empty, so the parameters arrive as its
    // arguments.
    if (!file->RunParameters().empty()) launcher.SetParameters(" " + file->RunParameters());
    launcher.Execute();
  }
}

}  // namespace vorlan

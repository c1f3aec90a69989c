// The run sequence: from the first activation of the main form to the
// reboot, or to the success pages and the programs started afterwards.

#include <vector>

#include "archive/vorlan_compress.h"
#include "base/date_time.h"
#include "base/exceptions.h"
#include "base/run_then_finish.h"
#include "engine/custom_install.h"
#include "engine/engine_errors.h"
#include "engine/run_sequence.h"
#include "objects/archive_cache.h"
#include "objects/custom_install_file.h"
#include "objects/objects_module.h"
#include "widgets/application.h"

namespace vorlan {
namespace {

struct TPass {
  int code;
  const char* status_text;
};

// After the tree walk, each class of objects in its turn: links and
// registry values come after every file, wherever they stand in the tree.
constexpr TPass kPasses[] = {
    {2750, "Installing ODBC drivers..."},
    {2875, "Installing ODBC sources..."},
    {3000, "Installing Borland Database Engine aliases..."},
    {type_code::kLinkGroup, "Installing shell links..."},
    {type_code::kShellLink, "Installing shell links..."},
    {4000, "Installing INI files..."},
    {type_code::kRegistry, "Installing registry keys..."},
    {8700, ""},
    {9052, ""},
    {9050, ""},
    {9054, ""},
};

}  // namespace

void TRunSequence::Process() {
  PrepareRun();
  engine_.OnAfterInitialized()(&engine_);
  engine_.Broadcast(&engine_, stage::kRunStarted);
  engine_.Broadcast(&engine_, stage::kBeforeInstall);
  // A failure inside the wizard's own message loop has been handled there.
  if (aborted_) return;
  InstallTree();
  if (FinishWithReboot()) return;
  FinishRun();
}

void TRunSequence::PrepareRun() {
  aborted_ = false;
  TObjectsState& state = ObjectsState();
  state.install_start_time = Now();
  // From here on a file whose self-registration fails waits for the retry.
  state.strict_registration = false;
  DeferredRegistrationFiles().Clear();
  engine_.ResetUnfinishedCount();
  cleanup_batch_written_ = false;
  in_progress_ = true;
  if (engine_.UseLoadingProgram() && !engine_.HasSwitch(swSource)) {
    throw IEInstall(engine_error::kLoadingProgramPathMissing);
  }
  if (engine_.HasSwitch(swNoUnfinished)) engine_.ClearUnfinishedList();
  engine_.OpenInstallRecord(true);
  state.local_records_key.clear();
  engine_.ClearUnfinishedList();
  if (engine_.HasSwitch(swSelfExtract)) engine_.ReadSelfExtractOffset();
  engine_.ReadArchiveInfo();
}

void TRunSequence::InstallTree() {
  auto close = [this] {
    ReleaseArchiveFiles();
    engine_.OnAfterInstallObjects()(&engine_, MainArchive().Abort());
  };
  RunThenFinish(
      [this] {
        engine_.InstallOwnTree();
        RetryDeferredRegistrations();
        for (const TPass& pass : kPasses) engine_.InstallByTypeCode(pass.code, pass.status_text);
      },
      close);
}

// A failure now is the run's failure.
void TRunSequence::RetryDeferredRegistrations() {
  std::vector<TCustomInstallFile*> files = DeferredRegistrationFiles().Items();
  for (TCustomInstallFile* file : files) file->RegisterActiveX();
}

bool TRunSequence::FinishWithReboot() {
  if (engine_.UnfinishedCount() > 0 || engine_.Reboot()) engine_.RegisterRunOnce();
  bool reboot_requested = engine_.Reboot();
  if (engine_.Reboot()) {
    engine_.WriteLanguage();
    engine_.Broadcast(&engine_, stage::kReboot);
  }
  if (engine_.Reboot() && engine_.OnBeforeReboot()) {
    bool continue_ = engine_.Reboot();
    engine_.OnBeforeReboot()(&engine_, continue_);
    engine_.SetReboot(continue_);
  }
  if (engine_.Reboot()) engine_.RebootWindows();
  // Declined or not, the record stays for the run after the restart.
  if (reboot_requested) EndApplication();
  return reboot_requested;
}

void TRunSequence::FinishRun() {
  engine_.NotifyGoodInstall();
  engine_.WriteCleanupBatch();
  engine_.RemoveInstallRecord();
  // Ending is only asked for: the programs below still start.
  if (engine_.RunAutomatic()) engine_.Shutdown();
  engine_.RunFilesAfterInstall();
  in_progress_ = false;
}

void TRunSequence::EndApplication() {
  if (TApplication* application = Application()) application->Terminate();
}

}  // namespace vorlan

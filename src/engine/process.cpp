// The run sequence: from the first activation of the main form to the
// reboot, or to the success pages and the programs started afterwards.

#include <vector>

#include "archive/vorlan_compress.h"
#include "base/date_time.h"
#include "base/exceptions.h"
#include "base/run_then_finish.h"
#include "engine/custom_install.h"
#include "engine/engine_errors.h"
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

void TCustomInstall::Process() {
  PrepareRun();
  on_after_initialized_(this);
  Broadcast(this, stage::kRunStarted);
  Broadcast(this, stage::kBeforeInstall);
  // A failure inside the wizard's own message loop has been handled there.
  if (aborted_) return;
  InstallTree();
  if (FinishWithReboot()) return;
  FinishRun();
}

void TCustomInstall::PrepareRun() {
  aborted_ = false;
  TObjectsState& state = ObjectsState();
  state.install_start_time = Now();
  // From here on a file whose self-registration fails waits for the retry.
  state.strict_registration = false;
  DeferredRegistrationFiles().Clear();
  unfinished_count_ = 0;
  cleanup_batch_written_ = false;
  in_progress_ = true;
  if (UseLoadingProgram() && !HasSwitch(swSource)) throw IEInstall(engine_error::kLoadingProgramPathMissing);
  if (HasSwitch(swNoUnfinished)) ClearUnfinishedList();
  std::string key;
  FindInstallRecord(true, key);
  state.install_record_key = key;
  state.local_records_key.clear();
  ClearUnfinishedList();
  if (HasSwitch(swSelfExtract)) ReadSelfExtractOffset();
  ReadArchiveInfo();
}

void TCustomInstall::InstallTree() {
  auto close = [this] {
    ReleaseArchiveFiles();
    OnAfterInstallObjects()(this, MainArchive().Abort());
  };
  RunThenFinish(
      [this] {
        TFileContainer::Process();
        RetryDeferredRegistrations();
        for (const TPass& pass : kPasses) InstallByTypeCode(pass.code, pass.status_text);
      },
      close);
}

// A failure now is the run's failure.
void TCustomInstall::RetryDeferredRegistrations() {
  std::vector<TCustomInstallFile*> files = DeferredRegistrationFiles().Items();
  for (TCustomInstallFile* file : files) file->RegisterActiveX();
}

bool TCustomInstall::FinishWithReboot() {
  if (unfinished_count_ > 0 || Reboot()) RegisterRunOnce();
  bool reboot_requested = Reboot();
  if (Reboot()) {
    WriteLanguage();
    Broadcast(this, stage::kReboot);
  }
  if (Reboot() && on_before_reboot_) {
    bool continue_ = Reboot();
    on_before_reboot_(this, continue_);
    SetReboot(continue_);
  }
  if (Reboot()) RebootWindows();
  // Declined or not, the record stays for the run after the restart.
  if (reboot_requested) EndApplication();
  return reboot_requested;
}

void TCustomInstall::FinishRun() {
  NotifyGoodInstall();
  WriteCleanupBatch();
  RemoveInstallRecord();
  // Ending is only asked for: the programs below still start.
  if (RunAutomatic()) Shutdown();
  RunFilesAfterInstall();
  in_progress_ = false;
}

void TCustomInstall::EndApplication() {
  if (TApplication* application = Application()) application->Terminate();
}

}  // namespace vorlan

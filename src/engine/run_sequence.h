#pragma once
// TRunSequence: an installation run of the engine, from the first
// activation of the main form to the reboot, or to the success pages and
// the programs started afterwards; a failed or cancelled run's ending; the
// after-reboot run; and the run state only the engine reads.

#include <exception>
#include <string>

namespace vorlan {

class TCustomInstall;

class TRunSequence {
 public:
  // The engine's events and operations make the run; engine outlives it.
  explicit TRunSequence(TCustomInstall& engine) : engine_(engine) {}

  bool InProgress() const { return in_progress_; }
  bool Aborted() const { return aborted_; }
  const std::string& CleanupBatchPath() const { return cleanup_batch_path_; }
  bool CleanupBatchWritten() const { return cleanup_batch_written_; }

  void Process();
  // The -r run: completes the unfinished list, then ends as a run does.
  void ResumeUnfinished();
  void HandleException(const std::exception& error);

  // One pass over every install object of this type code, in creation
  // order; the status text (none when blank) shows while it installs.
  void InstallByTypeCode(int code, const std::string& status_text);
  void NotifyGoodInstall();
  void NotifyBadInstall();
  // Starts the included files marked RunAfterInstall that OnBeforeRunFile
  // lets go.
  void RunFilesAfterInstall();
  // Whether the user may cancel: OnUserAbort may refuse.
  bool DoUserAbort();
  // Asks the application to end unless OnBeforeShutdown refuses.
  void Shutdown();
  // On failure fires OnFailedReboot, or without a handler tells the user.
  void RebootWindows();
  // Only with -c in a setup from the loading program, without -d.
  void WriteCleanupBatch();
  // The batch written, once the engine goes.
  void StartCleanupBatch();

 private:
  void PrepareRun();
  void InstallTree();
  void RetryDeferredRegistrations();
  // Answers whether the run ended in the reboot branch.
  bool FinishWithReboot();
  void FinishRun();
  void HandleRunFailure(const std::exception& error);
  void EndApplication();

  TCustomInstall& engine_;
  bool in_progress_ = false;
  bool aborted_ = false;
  std::string cleanup_batch_path_;
  bool cleanup_batch_written_ = false;
};

}  // namespace vorlan

#pragma once
// TCustomInstall: the install engine, the one component at the root of an
// install definition. It is the root file container of the tree, owns the
// installation's information objects, reads the command line when the
// definition has loaded, chooses the run mode and starts the run on the
// main form's first activation. Its work is done by the collaborators it
// owns: the install record, the run sequence, the distribution build and the
// floppy transfer; its operations forward to them, so that definitions and
// handlers see one engine.

#include <exception>
#include <string>
#include <vector>

#include "base/date_time.h"
#include "base/strings.h"
#include "engine/build_info.h"
#include "engine/build_notifications.h"
#include "engine/command_line_switches.h"
#include "engine/distribution_build.h"
#include "engine/floppy_transfer.h"
#include "engine/install_information.h"
#include "engine/install_record.h"
#include "engine/password_info.h"
#include "engine/picture.h"
#include "engine/run_sequence.h"
#include "objects/control_panel_extension_information.h"
#include "objects/file_container.h"
#include "objects/install_engine.h"
#include "widgets/main_form.h"

namespace vorlan {

const TEnumInfo& DistributeTypeInfo();

class TCustomInstall : public TFileContainer, public TInstallEngine {
  VORLAN_CLASS_INFO()

 public:
  using TSenderEvent = TEvent<void(TObject* sender)>;
  using TInstallEvent = TEvent<void(TCustomInstall* install)>;
  using TRunFileEvent = TEvent<void(TCustomInstall* install, const std::string& file_to_run, bool& default_action)>;
  using TQuitEvent = TEvent<void(TCustomInstall* install, bool& quit_out)>;
  using TContinueEvent = TEvent<void(TCustomInstall* install, bool& continue_)>;

  // Raises IEInstall when another engine exists or owner is not a form.
  explicit TCustomInstall(TComponent* owner);
  ~TCustomInstall() override;

  bool AutoMaximizeWindow() const { return auto_maximize_window_; }
  // Outside loading, True turns HideMainForm off.
  virtual void SetAutoMaximizeWindow(bool value);
  bool HideMainForm() const { return hide_main_form_; }
  // Outside loading, True turns AutoMaximizeWindow off.
  virtual void SetHideMainForm(bool value);
  bool RunAutomatic() const { return run_automatic_; }
  void SetRunAutomatic(bool value) { run_automatic_ = value; }
  bool UseLoadingProgram() const { return use_loading_program_; }
  // Outside loading, True puts the archive back to the main archive.
  virtual void SetUseLoadingProgram(bool value);
  bool Reboot() const { return reboot_; }
  // Install objects ask for the restart through the engine seam too.
  void SetReboot(bool value) override { reboot_ = value; }
  bool NoUninstall() const { return no_uninstall_; }
  void SetNoUninstall(bool value) { no_uninstall_ = value; }
  TDistributeType DistributeType() const override { return distribute_type_; }
  // Outside loading only while authoring, and only to dtTraditional without
  // a NetLocation.
  virtual void SetDistributeType(TDistributeType value);
  // None forces dtTraditional.
  void SetNetLocation(TCustomNetInstallLocation* value) override;

  // Assigning an object copies into the engine's own.
  TBuildInfo& BuildInfo() { return build_info_; }
  virtual void SetBuildInfo(const TBuildInfo& value) { build_info_ = value; }
  TInstallInformation& Information() { return information_; }
  void SetInformation(const TInstallInformation& value) { information_ = value; }
  TRegistrationInformation& RegistrationInformation() { return registration_information_; }
  TControlPanelExtensionInformation& Win2KExtendedInformation() { return win2k_extended_information_; }
  TPasswordInfo& PasswordInfo() { return password_info_; }
  virtual void SetPasswordInfo(const TPasswordInfo& value) { password_info_.Assign(value); }
  TPicture& DialogThemeBitmap() { return dialog_theme_bitmap_; }
  virtual void SetDialogThemeBitmap(const TPicture& value) { dialog_theme_bitmap_ = value; }
  const TStringList& PresetupFiles() const { return presetup_files_; }
  // Lines that are blank after trimming are left out.
  virtual void SetPresetupFiles(const TStringList& value);

  TSenderEvent& OnAfterInitialized() { return on_after_initialized_; }
  TSenderEvent& OnBeforeReadArchiveInfo() { return on_before_read_archive_info_; }
  TSenderEvent& OnAfterReadArchiveInfo() { return on_after_read_archive_info_; }
  TSenderEvent& OnBeforeNotifyGoodInstall() { return on_before_notify_good_install_; }
  TSenderEvent& OnAfterNotifyGoodInstall() { return on_after_notify_good_install_; }
  TSenderEvent& OnBeforeNotifyBadInstall() { return on_before_notify_bad_install_; }
  TSenderEvent& OnAfterNotifyBadInstall() { return on_after_notify_bad_install_; }
  TRunFileEvent& OnBeforeRunFile() { return on_before_run_file_; }
  TContinueEvent& OnBeforeCleanup() { return on_before_cleanup_; }
  TQuitEvent& OnBeforeShutdown() { return on_before_shutdown_; }
  TQuitEvent& OnUserAbort() { return on_user_abort_; }
  TContinueEvent& OnBeforeReboot() { return on_before_reboot_; }
  TInstallEvent& OnFailedReboot() { return on_failed_reboot_; }

  // Run state.
  const TSwitches& Switches() const { return command_line_.switches; }
  bool HasSwitch(TSwitch which) const { return command_line_.switches.test(which); }
  const std::string& SwitchText(TSwitch which) const { return command_line_.texts[which]; }
  TComponent* MainForm() const { return main_form_; }
  bool Activated() const { return activated_; }
  bool InProgress() const override { return run_.InProgress(); }
  bool Aborted() const { return run_.Aborted(); }
  int UnfinishedCount() const { return record_.UnfinishedCount(); }
  // Each run counts its own entries.
  void ResetUnfinishedCount() { record_.ResetUnfinishedCount(); }
  const std::string& CleanupBatchPath() const { return run_.CleanupBatchPath(); }
  bool CleanupBatchWritten() const { return run_.CleanupBatchWritten(); }

  // TInstallEngine
  TInstallObject& AsInstallObject() override { return *this; }
  std::string CompanyName() const override { return information_.CompanyName(); }
  std::string ProductName() const override { return information_.ProductName(); }
  std::string Version() const override { return information_.Version(); }
  std::string RegCompany() const override { return registration_information_.RegCompany(); }
  std::string RegOwner() const override { return registration_information_.RegOwner(); }
  const TControlPanelExtensionInformation& ExtendedInformation() const override {
    return win2k_extended_information_;
  }
  void SetAddUninstallOnCreate(bool value) override { build_info_.SetAddUninstallOnCreate(value); }
  TCustomNetInstallLocation* DefaultNetLocation() const override { return NetLocation(); }
  std::string LoadingProgramDir() const override { return loading_program_dir_; }
  bool SelfExtracting(std::string& executable) const override;

  // This program's install record (HKEY_LOCAL_MACHINE), created when asked
  // and missing; answers whether there is one, with its full key path.
  virtual bool FindInstallRecord(bool create, std::string& key);
  // Finds the record, and it becomes the one the install objects use.
  void OpenInstallRecord(bool create);
  // One entry of the unfinished list under the install record; raises
  // IEInstall while this setup has no record.
  void AddUnfinishedEntry(const std::string& name, int kind) override { record_.AddUnfinishedEntry(name, kind); }
  // Switches and their texts from the application's command line.
  virtual void ParseCommandLine();
  void ParseParameters(const std::vector<std::string>& parameters);
  // The directory of the module that holds the engine, without a trailing
  // backslash; the full file name of that module; the program that
  // started the setup.
  std::string GetProgramDirectory() const;
  std::string GetModulePath() const;
  std::string GetLoadingProgramPath();
  // The engine runs in a library the program loaded.
  bool RunsInLibrary() const;
  // Takes the main form's activation callback's place.
  void FormActivated(TObject* sender);
  // The application's handler for exceptions that reach the message loop.
  virtual void HandleException(TObject* /*sender*/, const std::exception& error) { run_.HandleException(error); }

  // The run modes.
  void Process() override { run_.Process(); }
  void ResumeUnfinished() override { run_.ResumeUnfinished(); }
  // Builds into the directory that BUILD.INF beside the program names; a
  // failure is shown. Either way the application then ends.
  virtual void BuildFromCommandLine() { build_.BuildFromCommandLine(); }
  // program: this setup program; build_dir: where the distributables go.
  virtual void BuildDistributables(const std::string& program, const std::string& build_dir, bool stand_alone) {
    build_.Build(program, build_dir, stand_alone);
  }
  // Copies the self-extracting setup this program was started from onto
  // floppy disks in drive ("a:"), asking for each next disk; a failure is
  // shown. Either way the application then ends.
  virtual void TransferToFloppies(const std::string& drive) { floppy_.Transfer(drive); }

  // The run sequence.
  // One pass over every install object of this type code, in creation
  // order; the status text (none when blank) shows while it installs.
  virtual void InstallByTypeCode(int code, const std::string& status_text) {
    run_.InstallByTypeCode(code, status_text);
  }
  // Once per run, with the remote file list of a remote distribution.
  void ReadArchiveInfo() override;
  virtual void NotifyGoodInstall() { run_.NotifyGoodInstall(); }
  virtual void NotifyBadInstall() { run_.NotifyBadInstall(); }
  // Starts the included files marked RunAfterInstall that OnBeforeRunFile
  // lets go.
  virtual void RunFilesAfterInstall() { run_.RunFilesAfterInstall(); }
  // Whether the user may cancel: OnUserAbort may refuse.
  virtual bool DoUserAbort() { return run_.DoUserAbort(); }
  // Asks the application to end unless OnBeforeShutdown refuses.
  void Shutdown() { run_.Shutdown(); }
  // With -e: the main archive starts where the self-extracting executable's
  // record says.
  void ReadSelfExtractOffset();
  // The run sequence's walk over the tree below the engine, as the file
  // container it is the root of.
  void InstallOwnTree() { TFileContainer::Process(); }

  // The install record, the unfinished list, RunOnce and the reboot.
  // Deletes the record with the local archive copies it names.
  void RemoveInstallRecord() { record_.Remove(); }
  // The unfinished list raises IEInstall while this setup has no record.
  void ClearUnfinishedList() { record_.ClearUnfinishedList(); }
  // Lines of an entry's name, ";" and its kind.
  void ReadUnfinishedList(TStringList& list) { record_.ReadUnfinishedList(list); }
  // The translator's language, as its position in the language list: the
  // one the record saved, else the current one (vlUser without a
  // translator).
  int ReadLanguage();
  void WriteLanguage();
  // Raises IEInstall when the RunOnce key cannot be written.
  void RegisterRunOnce();
  // On failure fires OnFailedReboot, or without a handler tells the user.
  void RebootWindows() { run_.RebootWindows(); }
  // Only with -c in a setup from the loading program, without -d.
  void WriteCleanupBatch() { run_.WriteCleanupBatch(); }

  // Build mode, the self-extracting setup and the floppy transfer.
  // Before the inherited work, no install file counts as compressed.
  void Compress(TCompressOptions options) override;
  // Compresses into archive in place of the engine's own archive, which
  // is restored afterwards.
  void CompressInto(const std::string& archive, TCompressOptions options);
  // setup.exe (or, without the loading program, a copy of this program)
  // and setup.1 in build_dir.
  virtual void CreateLoaderFiles(const std::string& build_dir, const std::string& program) {
    build_.CreateLoaderFiles(build_dir, program);
  }
  // setup.1: this program first, then the PresetupFiles.
  virtual void WriteSetupArchive(const std::string& build_dir, const std::string& program) {
    build_.WriteSetupArchive(build_dir, program);
  }
  // filelist.lst of a remote distribution, below the archive's directory.
  void WriteFileList() { build_.WriteFileList(ArchiveFile()); }
  // Appends the archives and the record that locates them to setup.exe.
  void MakeStandAlone(const std::string& setup_exe, const std::string& setup_archive,
                      const std::string& files_archive) {
    TDistributionBuild::MakeStandAlone(setup_exe, setup_archive, files_archive);
  }
  void AddNotSelfExtractInfo(const std::string& setup_exe) { TDistributionBuild::AddNotSelfExtractInfo(setup_exe); }
  // Asks for disk number disk in an OK/Cancel box; Cancel raises IEInstall.
  virtual void PromptForFloppy(int disk) { TFloppyTransfer::PromptForFloppy(disk); }
  TBuildNotifications& BuildNotifications() { return build_notifications_; }

  void Loaded() override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void CreateAuthoringTranslator();
  void ChooseInstallType();
  void SelectRunMode();
  void HookMainForm(TMainForm& form);
  void UnhookMainForm();
  TMainForm* ApplicationForm() const;
  // The -e executable's full path, which a new install record keeps.
  std::string RecordedSelfExtract() const;

  bool auto_maximize_window_ = true;
  bool hide_main_form_ = false;
  bool run_automatic_ = true;
  bool use_loading_program_ = true;
  bool reboot_ = false;
  bool no_uninstall_ = false;
  TDistributeType distribute_type_ = dtTraditional;
  TBuildInfo build_info_;
  TInstallInformation information_;
  TRegistrationInformation registration_information_;
  TControlPanelExtensionInformation win2k_extended_information_{this};
  TPasswordInfo password_info_{this};
  TPicture dialog_theme_bitmap_;
  TStringList presetup_files_;

  TSenderEvent on_after_initialized_;
  TSenderEvent on_before_read_archive_info_;
  TSenderEvent on_after_read_archive_info_;
  TSenderEvent on_before_notify_good_install_;
  TSenderEvent on_after_notify_good_install_;
  TSenderEvent on_before_notify_bad_install_;
  TSenderEvent on_after_notify_bad_install_;
  TRunFileEvent on_before_run_file_;
  TContinueEvent on_before_cleanup_;
  TQuitEvent on_before_shutdown_;
  TQuitEvent on_user_abort_;
  TContinueEvent on_before_reboot_;
  TInstallEvent on_failed_reboot_;

  TCommandLineSwitches command_line_;
  std::string loading_program_dir_;
  TComponent* main_form_ = nullptr;
  TMainForm::TFormNotifyEvent saved_on_activate_;
  TMainForm* hooked_form_ = nullptr;
  TComponent* authoring_translator_ = nullptr;
  bool handles_exceptions_ = false;
  bool activated_ = false;
  TBuildNotifications build_notifications_;

  TInstallRecord record_;
  TRunSequence run_{*this};
  TDistributionBuild build_{*this};
  TFloppyTransfer floppy_{*this};
};

}  // namespace vorlan

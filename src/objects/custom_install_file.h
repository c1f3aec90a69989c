#pragma once
// TCustomInstallFile: one file of the product. It knows its source on the
// build machine and its destination, is compressed into its archive by the
// build, and is extracted (or copied) under its overwrite rule, replaced at
// the next start of Windows when the old file is in use, registered with
// the system and recorded for the uninstaller.

#include <optional>
#include <string>

#include "archive/extract_target.h"
#include "archive/file_newer.h"
#include "archive/file_stats.h"
#include "base/date_time.h"
#include "objects/file_container.h"
#include "objects/file_related.h"
#include "system/file_attributes.h"

namespace vorlan {

class TVorlanCompress;

// A COM call failed; the text is the system's for its result.
VORLAN_EXCEPTION(EOleSysError, Exception);

enum TInstallFileType : uint8_t {
  iftNormal,
  iftJustADLL,
  iftApplicationSpecificDLL,
  iftVendorSharedDLL,
  iftSystemWideDLL
};
const TEnumInfo& InstallFileTypeInfo();
const TEnumInfo& OverwriteTypeInfo();
const TEnumInfo& FileAttributesInfo();

class TCustomInstallFile : public TFileRelated {
  VORLAN_CLASS_INFO()

 public:
  using TNotifyEvent = TEvent<void(TCustomInstallFile* file)>;
  using TStatusEvent = TFileContainer::TStatusEvent;
  using TNewDiskEvent = TFileContainer::TNewDiskEvent;

  explicit TCustomInstallFile(TComponent* owner);
  // The source path gives IncludeFromDir and FileName.
  TCustomInstallFile(TComponent* owner, const std::string& source_path);
  TCustomInstallFile(TComponent* owner, TInstallContainer* container, const std::string& source_path);
  ~TCustomInstallFile() override;

  // "IF" + the stem's file name without extension + "_" + its extension,
  // with everything but letters, digits and "_" dropped: "readme.txt"
  // gives IFreadme_txt.
  std::string UniqueNameStem(const std::string& stem) const override;

  bool ActiveX() const { return active_x_; }
  virtual void SetActiveX(bool value);
  const std::string& DestName() const { return dest_name_; }
  virtual void SetDestName(const std::string& value);
  const std::string& FileName() const { return file_name_; }
  virtual void SetFileName(const std::string& value);
  TInstallFileType FileType() const { return file_type_; }
  virtual void SetFileType(TInstallFileType value);
  const std::string& IncludeFromDir() const { return include_from_dir_; }
  virtual void SetIncludeFromDir(const std::string& value);
  TVorlanFileAttributesSet InstallAttributes() const { return install_attributes_; }
  void SetInstallAttributes(TVorlanFileAttributesSet value) { install_attributes_ = value; }
  TOverwriteType OverwriteMode() const { return overwrite_mode_; }
  void SetOverwriteMode(TOverwriteType value) { overwrite_mode_ = value; }
  bool RegisterAsHelp() const { return register_as_help_; }
  void SetRegisterAsHelp(bool value) { register_as_help_ = value; }
  bool RunAfterInstall() const { return run_after_install_; }
  void SetRunAfterInstall(bool value) { run_after_install_ = value; }
  const std::string& RunParameters() const { return run_parameters_; }
  void SetRunParameters(const std::string& value) { run_parameters_ = value; }
  bool UpdateDLLCounter() const { return update_dll_counter_; }
  void SetUpdateDLLCounter(bool value) { update_dll_counter_ = value; }
  TInstallFileState State() const { return state_; }
  // ifsCompress, ifsInstall and ifsCopying perform that operation.
  virtual void SetState(TInstallFileState value);
  int UniqueID() const { return unique_id_; }
  // Stored with the definition; the mark follows the identifier.
  void SetUniqueID(int value);

  TNotifyEvent& OnAfterCompress() { return on_after_compress_; }
  TNotifyEvent& OnBeforeCompress() { return on_before_compress_; }
  TNotifyEvent& OnAfterCopy() { return on_after_copy_; }
  TNotifyEvent& OnBeforeCopy() { return on_before_copy_; }
  TNotifyEvent& OnAfterInstall() { return on_after_install_; }
  TNotifyEvent& OnBeforeInstall() { return on_before_install_; }
  TNotifyEvent& OnReplacing() { return on_replacing_; }
  TStatusEvent& OnStatus() { return on_status_; }
  TNewDiskEvent& OnNewDisk() { return on_new_disk_; }

  int32_t SourceSize() const { return source_size_; }
  int32_t PackedSize() const { return packed_size_; }
  TDateTime SourceDate() const { return source_date_; }
  const std::string& SourceVersion() const { return source_version_; }
  bool InfoRead() const { return info_read_; }
  bool WillCopy() const { return will_copy_; }
  bool ReplacedAtReboot() const { return replaced_at_reboot_; }
  bool CompressedInBuild() const { return compressed_in_build_; }
  void SetCompressedInBuild(bool value) { compressed_in_build_ = value; }
  // What a remote distribution's file list tells of the source before its
  // archive is downloaded; the packed size stays as it was.
  void SetListedSourceInfo(int32_t size, TDateTime date, const std::string& version) {
    SetSourceInfo(size, packed_size_, date, version.substr(0, 20));
  }

  // The source on the build machine: IncludeFromDir\FileName.
  std::string SourcePath() const;
  // GetDestinationPath\DestName.
  std::string GetInstalledPath();
  // The archive must be read before the file is installed: its overwrite
  // rule compares versions or dates, or it comes from a location of its own.
  bool NeedsArchiveInfo() const;
  std::string GetArchivePath() override;

  void SetDestDir(const std::string& value) override;
  void SetDestDirType(TCustomPathSpecifier* value) override;
  void SetContainer(TInstallContainer* value) override;

  // Size, date and version from the file's archive member.
  virtual void ReadInfoFromArchive();
  // The same from the source file.
  virtual void ReadInfoFromSource();
  // Copies the source to the destination without an archive.
  virtual void Copy();
  // Adds the source to the file's archive.
  virtual void Compress();
  virtual void AbortInstall();
  // Self-registration by the kind of file: .EXE, .TLB or a library.
  void RegisterActiveX();
  virtual void RegisterInprocServer();
  virtual void RegisterTypeLibrary();
  virtual void RegisterExeServer();
  // Deletes the destination, or arranges its replacement at the next start
  // of Windows when it is in use (the new file then arrives under a free
  // name beside it).
  virtual void ReplaceInUse();
  // The source's version resource asks for self-registration.
  virtual bool HasSelfRegisterFlag();
  virtual bool UpdateDLLCount();

  void InstallObjects() override;
  // A file takes no messages, and no kind of file may: progress is
  // broadcast for every few kilobytes to every object of the container,
  // thousands of files among them.
  void HandleMessage(TInstallContainer*, int, const TReport&) final {}
  bool TakesMessages() const final { return false; }
  void ResumeUnfinished() override;
  void RegisterUninstall(const std::string& key) override;
  void Loaded() override;

  // The archive component's events while this file is extracted.
  void NewDiskHandler(TVorlanCompress& archive, int disk, std::string& path);
  void StatusHandler(TVorlanCompress& archive, TlzhFileStats& stats);

 protected:
  void SetSourceInfo(int32_t size, int32_t packed_size, TDateTime date, std::string version);
  // Sends an information code to the container, with this file as sender.
  // Sends an information code about this file to the container.
  void Inform(int code, const TReport& report);
  void Inform(int code) { Inform(code, {.file = this}); }

 private:
  struct TSettings {
    TInstallContainer* container;
    std::string include_from_dir, file_name, dest_dir, dest_name;
    TCustomPathSpecifier* dest_dir_type;
    bool active_x;
    TInstallFileType file_type;
  };
  TSettings CurrentSettings() const;
  void ApplySettings(TSettings next);
  void CheckDuplicate(const TSettings& next) const;
  void ApplySourceRules(TSettings& next);
  void ApplyKindRules(TSettings& next);
  void ApplyFileTypeDestination(TSettings& next);
  void ClaimFreeUniqueID();

  std::optional<TExtractTarget> ClaimNewDestination();
  bool DecideCopy();
  void PrepareExtraction();
  void RunExtraction(TVorlanCompress& archive, std::optional<TExtractTarget> claimed);
  void ChooseArchiveAndExtract(std::optional<TExtractTarget> claimed);
  void AfterCopyRegistration();
  void CountSharedUse();
  void FinishInstall();
  void ScheduleReplacement(const std::string& target, const std::string& new_path);
  void BroadcastEnded(TVorlanCompress& archive);
  // Raises the destination-blank error for a blank or missing T.
  std::string RegistrationTarget();
  std::string EngineArchivePath();

  bool active_x_ = false;
  std::string dest_name_;
  std::string file_name_;
  TInstallFileType file_type_ = iftNormal;
  std::string include_from_dir_;
  TVorlanFileAttributesSet install_attributes_ = 0;
  TOverwriteType overwrite_mode_ = owAlways;
  bool register_as_help_ = false;
  bool run_after_install_ = false;
  std::string run_parameters_;
  bool update_dll_counter_ = false;
  TInstallFileState state_ = ifsNone;
  int unique_id_ = 0;
  bool has_unique_id_mark_ = false;
  TNotifyEvent on_after_compress_, on_before_compress_, on_after_copy_, on_before_copy_, on_after_install_,
      on_before_install_, on_replacing_;
  TStatusEvent on_status_;
  TNewDiskEvent on_new_disk_;

  int32_t source_size_ = 0;
  int32_t packed_size_ = 0;
  TDateTime source_date_ = 0;
  std::string source_version_;
  bool info_read_ = false;
  bool will_copy_ = false;
  bool replaced_at_reboot_ = false;
  // The destination did not exist: this run has just created it, empty.
  bool destination_claimed_ = false;
  bool compressed_in_build_ = false;
};

}  // namespace vorlan

#pragma once
// TFileContainer: an install object that holds install files and other file
// containers and shares one archive among them: the engine, groups and
// directories. Files and child containers report to it with information
// codes, which it relays to its events and passes on up the tree.

#include <string>
#include <vector>

#include "objects/file_related.h"

namespace vorlan {

class TCustomInstallFile;
class TDiskParameter;
class TFileStatusParameter;

enum TInstallFileState : uint8_t { ifsNone, ifsCompress, ifsInstall, ifsCopying, ifsReflect };

// Compress options, by bit position.
enum TCompressOption : uint8_t {
  coArchivesToBuildDir = 1,
  coBuildMode = 2,
  coForceNetFilesLocal = 3,
  coForceFilesNet = 4,
  coIncludeAll = 5,
};
using TCompressOptions = uint8_t;

// Information codes a file or container sends to its container.
namespace info_code {
constexpr int kFileInstalled = 1001, kFileInstalling = 1002, kFileReplacing = 1003, kFileCompressing = 1004,
              kFileCompressed = 1005, kFileCopying = 1006, kFileCopied = 1007, kInstallProgress = 1008,
              kCompressProgress = 1009, kCopyProgress = 1010, kNextDisk = 1011, kContainerStarts = 1012,
              kContainerEnds = 1013, kDownloadProgress = 1014, kFileSkipped = 1015, kFileFinished = 1016;
}

class TFileContainer : public TFileRelated {
  VORLAN_CLASS_INFO()

 public:
  using TStatusEvent = TEvent<void(TCustomInstallFile* file, int file_percent, int total_percent)>;
  using TNewDiskEvent = TEvent<void(TCustomInstallFile* file, int new_disk, std::string& path)>;
  using TFileNotifyEvent = TEvent<void(TCustomInstallFile* file)>;
  using TAfterInstallObjectsEvent = TEvent<void(TInstallContainer* container, bool was_aborted)>;

  // Groups have a code of their own; the engine does without a companion
  // specifier.
  explicit TFileContainer(TComponent* owner, int type_code = type_code::kFileContainer, bool wants_companion = true);
  ~TFileContainer() override;

  int32_t TotalSize() const { return total_size_; }
  int32_t DoneSize() const { return done_size_; }
  const std::string& Description() const { return description_; }
  void SetDescription(const std::string& value) { description_ = value; }
  TInstallFileState State() const { return state_; }
  bool FireAfterInstallObjects() const { return fire_after_install_objects_; }
  void SetFireAfterInstallObjects(bool value) { fire_after_install_objects_ = value; }
  TStatusEvent& OnStatus() { return on_status_; }
  TNewDiskEvent& OnNewDisk() { return on_new_disk_; }
  TFileNotifyEvent& OnReplacing() { return on_replacing_; }
  TAfterInstallObjectsEvent& OnAfterInstallObjects() { return on_after_install_objects_; }
  TNotifyEvent& OnBeforeInstallObjects() { return on_before_install_objects_; }
  TCustomPathSpecifier* CompanionSpecifier() const { return companion_; }

  int FileCount() const;
  TCustomInstallFile* Files(int index) const;
  // The files among the children, in order: one walk, where counting and
  // indexing walk the children for every file.
  std::vector<TCustomInstallFile*> FileList() const;
  bool HasNetFiles() const;
  // The child file whose source path is path, ignoring case.
  TCustomInstallFile* FindFile(const std::string& path) const;
  int FileContainerCount() const;
  TFileContainer* FileContainers(int index) const;

  bool WantsFileContainerSpecifier() const { return wants_companion_; }
  // A stored companion read from the definition takes the place of the one
  // the constructor made.
  void SetCompanionSpecifier(TCustomPathSpecifier* specifier);
  virtual void DoNewDisk(TCustomInstallFile* file, TDiskParameter& disk);
  virtual void DoReplacing(TCustomInstallFile* file);
  virtual void DoStatus(TCustomInstallFile* file, TFileStatusParameter& status);
  virtual int32_t SizeOfFiles(bool all, bool recurse);
  virtual void DoOperation(TInstallFileState state);
  virtual void CopyFiles();
  virtual void FreeFiles();
  virtual void Compress(TCompressOptions options);
  virtual int32_t ArchiveSizeOfFiles(bool all);
  virtual std::string GetLocalArchivePath();
  int32_t OwnFilesSize(bool all) { return SizeOfFiles(all, false); }
  int32_t TotalFilesSize(bool all) { return SizeOfFiles(all, true); }
  virtual void ReadArchiveInfo();
  virtual void ReadInfoFromFiles();
  virtual bool HasFilesToDownload();

  void DoInformationEventControl(TInstallContainer* sender, int code, const TReport& report) override;
  void InstallObjects() override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  void SetState(TInstallFileState state) { state_ = state; }
  // Sends an information code to the container, with this as sender.
  void Inform(int code, const TReport& report);

 private:
  void CreateCompanionSpecifier();
  void CompressIncluded(TCompressOptions options);
  void CompressChild(TFileRelated& child, TCompressOptions options, const std::string& build_dir,
                     const std::string& remote_archive);
  void ChooseChildArchive(TFileRelated& child, bool net, TCompressOptions options, const std::string& build_dir,
                          const std::string& remote_archive);
  void HandleInformation(int code, const TReport& report);
  void HandleStatus(const TReport& report);
  void HandleFinishedFile(const TReport& report);
  void HandleNewDisk(const TReport& report);
  void HandleDownload(const TReport& report);
  int32_t PercentOfTotal(int32_t done) const;

  int32_t total_size_ = 0;
  int32_t done_size_ = 0;
  std::string description_;
  TStatusEvent on_status_;
  TNewDiskEvent on_new_disk_;
  TFileNotifyEvent on_replacing_;
  TInstallFileState state_ = ifsNone;
  bool fire_after_install_objects_ = true;
  TAfterInstallObjectsEvent on_after_install_objects_;
  TNotifyEvent on_before_install_objects_;
  bool wants_companion_;
  TCustomPathSpecifier* companion_ = nullptr;
};

}  // namespace vorlan

#pragma once
// TFileRelated: an install object that reads from an archive (file
// containers and files). Its archive is ArchiveFileType + ArchiveFile; a
// copy already on the local disk (downloaded in an earlier attempt) is
// recorded under the install record.

#include <string>

#include "objects/install_object.h"

namespace vorlan {

class TCustomNetInstallLocation;

enum TlzhCommand : uint8_t { lzcOverwrite, lzcOnlyAdd };
const TEnumInfo& LzhCommandInfo();

class TFileRelated : public TInstallObject {
  VORLAN_CLASS_INFO()

 public:
  using TDataReceivedEvent = TEvent<void(TObject* sender, const std::string& file_name, int32_t bytes,
                                         int32_t total_bytes, int32_t file_size, const void* buffer)>;

  explicit TFileRelated(TComponent* owner, int type_code = type_code::kNone);
  ~TFileRelated() override;

  TlzhCommand AddToArchive() const { return add_to_archive_; }
  void SetAddToArchive(TlzhCommand value) { add_to_archive_ = value; }
  const std::string& ArchiveFile() const { return archive_file_; }
  // Stays empty while the archive specifier names the file itself.
  virtual void SetArchiveFile(const std::string& value);
  TCustomPathSpecifier* ArchiveFileType() const { return archive_file_type_; }
  virtual void SetArchiveFileType(TCustomPathSpecifier* value);
  bool Net() const { return net_; }
  virtual void SetNet(bool value) { net_ = value; }
  TCustomNetInstallLocation* NetLocation() const { return net_location_; }
  virtual void SetNetLocation(TCustomNetInstallLocation* value);
  TDataReceivedEvent& OnDataReceived() { return on_data_received_; }
  const std::string& LocalArchivePath() const { return local_archive_path_; }
  void SetLocalArchivePath(const std::string& path) { local_archive_path_ = path; }
  bool ArchiveInfoRead() const { return archive_info_read_; }
  void SetArchiveInfoRead(bool value) { archive_info_read_ = value; }

  void SetContainer(TInstallContainer* value) override;
  // The archive: the specifier's path followed by ArchiveFile, one trailing
  // backslash removed.
  virtual std::string GetArchivePath();

  // The local copy recorded under the install record, when it still exists.
  bool FindLocalArchive(std::string& path);
  virtual bool ArchiveIsLocal();
  // Records a downloaded archive; a failure to write is ignored.
  virtual void StoreLocalFile(const std::string& path);

  // The object's own location, else the one its file container uses (for a
  // file), else the engine's.
  TCustomNetInstallLocation* FindNetLocation() const;
  // Where build mode mirrors the remote location: host\directory, cleaned
  // for file names.
  std::string NetArchiveDir() const;
  // Makes the archive available locally, downloading it when needed.
  virtual void DownloadArchive();
  virtual void DoDataReceived(TObject* sender, const std::string& file_name, int32_t bytes, int32_t total_bytes,
                              int32_t file_size, const void* buffer);

  void Loaded() override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  void AssignArchiveFileType(TCustomPathSpecifier* value);
  void MarkArchiveFileTypeByConstructor() { archive_file_type_by_constructor_ = true; }
  // The registry key of this object's record under the install record.
  std::string LocalRecordKey() const;

 private:
  TlzhCommand add_to_archive_ = lzcOverwrite;
  std::string archive_file_;
  TCustomPathSpecifier* archive_file_type_ = nullptr;
  bool archive_file_type_by_constructor_ = false;
  bool archive_file_type_by_setter_ = false;
  bool net_ = true;
  TCustomNetInstallLocation* net_location_ = nullptr;
  TDataReceivedEvent on_data_received_;
  std::string local_archive_path_;
  bool archive_info_read_ = false;
};

}  // namespace vorlan

#pragma once
// TCustomInstallFile: one file of the product, as its file container sees
// it: where its source is, what its archive says of it, and the operations
// the container starts on it.

#include <string>

#include "archive/file_newer.h"
#include "base/date_time.h"
#include "objects/file_related.h"

namespace vorlan {

class TCustomInstallFile : public TFileRelated {
  VORLAN_CLASS_INFO()

 public:
  explicit TCustomInstallFile(TComponent* owner);
  ~TCustomInstallFile() override;

  const std::string& FileName() const { return file_name_; }
  virtual void SetFileName(const std::string& value) { file_name_ = value; }
  const std::string& IncludeFromDir() const { return include_from_dir_; }
  virtual void SetIncludeFromDir(const std::string& value) { include_from_dir_ = value; }
  TOverwriteType OverwriteMode() const { return overwrite_mode_; }
  void SetOverwriteMode(TOverwriteType value) { overwrite_mode_ = value; }
  int UniqueID() const { return unique_id_; }

  int32_t SourceSize() const { return source_size_; }
  int32_t PackedSize() const { return packed_size_; }
  TDateTime SourceDate() const { return source_date_; }
  const std::string& SourceVersion() const { return source_version_; }

  // The source on the build machine: IncludeFromDir\FileName.
  std::string SourcePath() const;
  // The archive must be read before the file is installed: its overwrite
  // rule compares versions or dates.
  bool NeedsArchiveInfo() const;

  // Size, date and version from the file's archive member.
  virtual void ReadInfoFromArchive() = 0;
  // The same from the source file.
  virtual void ReadInfoFromSource() = 0;
  // Copies the source to the destination without an archive.
  virtual void Copy() = 0;
  // Adds the source to the file's archive.
  virtual void Compress() = 0;

 protected:
  void SetSourceInfo(int32_t size, int32_t packed_size, TDateTime date, std::string version);

 private:
  std::string file_name_;
  std::string include_from_dir_;
  TOverwriteType overwrite_mode_ = owAlways;
  int unique_id_ = 0;
  int32_t source_size_ = 0;
  int32_t packed_size_ = 0;
  TDateTime source_date_ = 0;
  std::string source_version_;
};

}  // namespace vorlan

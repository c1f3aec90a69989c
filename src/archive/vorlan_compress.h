#pragma once
// TVorlanCompress: adds files to an archive, extracts members under an
// overwrite rule, spans an archive over numbered parts on removable disks,
// copies single files, and lists members. Progress goes to one statistics
// record handed to the events; setting Abort stops the running operation
// at its next buffer.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "archive/extract_target.h"
#include "archive/file_headers.h"
#include "archive/file_newer.h"
#include "archive/file_stats.h"
#include "base/file.h"
#include "base/strings.h"
#include "component/component.h"

namespace vorlan {

enum TCompressionLevel { colNone, colFastest, colDefault, colMax };

class TVorlanCompress;
using TlzhFileStatsEvent = std::function<void(TVorlanCompress& compress, TlzhFileStats& stats)>;
using TlzhNewDiskEvent = std::function<void(TVorlanCompress& compress, int disk_number, std::string& path)>;
using TCompressNotifyEvent = std::function<void(TVorlanCompress& sender)>;

class TVorlanCompress : public TComponent {
 public:
  static constexpr int kIdentifierCount = 2000;  // UniqueID 0 ... 1999
  static constexpr size_t kAddOutputBlock = 65536;
  static constexpr size_t kExtractInputBlock = 65536;
  static constexpr size_t kExtractOutputBlock = 4096;
  static constexpr size_t kCopyChunk = 8192;

  explicit TVorlanCompress(TComponent* owner);

  bool Abort() const { return abort_; }
  void SetAbort(bool abort) { abort_ = abort; }
  const std::string& CompressedFile() const { return compressed_file_; }
  // Switching to another part of the same spanned archive keeps the directory.
  void SetCompressedFile(const std::string& name);
  TCompressionLevel CompressionLevel() const { return compression_level_; }
  void SetCompressionLevel(TCompressionLevel level) { compression_level_ = level; }
  const std::string& ExtractDirectory() const { return extract_directory_; }
  void SetExtractDirectory(const std::string& directory) { extract_directory_ = directory; }
  const TStringList& FilesToProcess() const { return files_to_process_; }
  // Blank lines are dropped.
  void SetFilesToProcess(const TStringList& files);
  int32_t Offset() const { return offset_; }
  void SetOffset(int32_t offset) { offset_ = offset; }
  TOverwriteType Overwrite() const { return overwrite_; }
  void SetOverwrite(TOverwriteType overwrite) { overwrite_ = overwrite; }

  const TCompressNotifyEvent& OnAborted() const { return on_aborted_; }
  void SetOnAborted(TCompressNotifyEvent event) { on_aborted_ = std::move(event); }
  const TlzhFileStatsEvent& OnAfterAdding() const { return on_after_adding_; }
  void SetOnAfterAdding(TlzhFileStatsEvent event) { on_after_adding_ = std::move(event); }
  const TlzhFileStatsEvent& OnBeforeAdding() const { return on_before_adding_; }
  void SetOnBeforeAdding(TlzhFileStatsEvent event) { on_before_adding_ = std::move(event); }
  // Kept for definitions that set it; no operation fires it.
  const TlzhFileStatsEvent& OnAfterExtracting() const { return on_after_extracting_; }
  void SetOnAfterExtracting(TlzhFileStatsEvent event) { on_after_extracting_ = std::move(event); }
  const TlzhFileStatsEvent& OnBeforeExtracting() const { return on_before_extracting_; }
  void SetOnBeforeExtracting(TlzhFileStatsEvent event) { on_before_extracting_ = std::move(event); }
  const TCompressNotifyEvent& OnFullDisk() const { return on_full_disk_; }
  void SetOnFullDisk(TCompressNotifyEvent event) { on_full_disk_ = std::move(event); }
  const TlzhFileStatsEvent& OnListing() const { return on_listing_; }
  void SetOnListing(TlzhFileStatsEvent event) { on_listing_ = std::move(event); }
  const TlzhNewDiskEvent& OnNewDisk() const { return on_new_disk_; }
  void SetOnNewDisk(TlzhNewDiskEvent event) { on_new_disk_ = std::move(event); }
  const TlzhFileStatsEvent& OnReplace() const { return on_replace_; }
  void SetOnReplace(TlzhFileStatsEvent event) { on_replace_ = std::move(event); }
  const TlzhFileStatsEvent& OnStatus() const { return on_status_; }
  void SetOnStatus(TlzhFileStatsEvent event) { on_status_ = std::move(event); }

  // The file name to extract or copy to; blank means the member's own.
  const std::string& TargetName() const { return target_name_; }
  void SetTargetName(const std::string& name) { target_name_ = name; }
  // A new, empty file the caller already created for the next Extract: it
  // is written when the member's target turns out to be that very file,
  // and deleted otherwise.
  void SetClaimedTarget(TExtractTarget&& target) { claimed_target_.emplace(std::move(target)); }
  // Set by an event handler to skip the current member.
  bool SkipFile() const { return skip_file_; }
  void SetSkipFile(bool skip) { skip_file_ = skip; }

  const TlzhFileStats& FileStats() const { return stats_; }
  // The directory as last read or written.
  const TFileHeaders& Headers() const { return headers_; }
  bool DirectoryLoaded() const { return loaded_; }

  int Count();
  void GetFileStats(int index, TlzhFileStats& stats);
  int IndexOfId(int unique_id);
  void ReadHeaders();
  // Opens the part into the held archive stream; name is the archive's
  // name on entry and the name the part was found under on return.
  void OpenPart(int part, TFileMode mode, std::string& name);
  // Extraction keeps the last part it read open for the next member, as an
  // installation takes its files from one archive one member at a time;
  // this closes it, so the file can be deleted or replaced.
  void ReleaseArchive();

  void Add(bool append, int unique_id);
  void Extract();
  void Span(const std::string& directory, const std::string& part_name);
  void CopyFile(const std::string& source, const std::string& destination);
  void List();

 protected:
  // A write fell short: OnFullDisk when assigned, else EvcDiskFull.
  virtual void DoFullDisk();

 private:
  enum class TMode { Idle, Adding, Extracting };
  struct TSpanRun;

  bool MayReadDirectory() const { return !loaded_ && mode_ != TMode::Adding; }
  // The file of the part: of a spanned archive, name with the part's number
  // as its extension, else name itself.
  std::string PartName(const std::string& name, int part) const;
  // Runs an operation's body and sorts what leaves it: an abort by the
  // user fires OnAborted and ends quietly, a silent abort too where
  // swallow_silent is set, and anything else sets Abort and goes on up.
  void RunSorted(bool swallow_silent, const std::function<void()>& body);
  void CheckAbort() const;

  void SetTotals();
  void FillStats(const TFileHeaderRecord& header);
  // Percentages of the current member count against file_whole.
  void PublishProgress(int64_t file_whole);
  void FireStatus();
  size_t WriteOrFull(TFileStream& stream, const void* data, size_t size);

  void AddFiles(bool append, int unique_id);
  int64_t AddMember(int index, int unique_id, int64_t position);
  int64_t DeflateMember(TFileStream& source, int64_t position);
  void AddProgress(int64_t read, int64_t archive_size);
  void RestoreArchive(bool appended, int64_t old_size, int old_count);
  // Raises when an offset does not fit the format's 32 bits.
  int32_t ArchiveOffset(int64_t position) const;

  void ExtractLine(const std::string& line);
  std::string TargetPath();
  bool Replaces(const TFileHeaderRecord& header, std::string& target);
  void WriteMember(const TFileHeaderRecord& header);
  void OpenArchivePart(int part);
  bool InflateMember(const TFileHeaderRecord& header, TFileStream& target, int64_t& written);

  void SpanArchive(const std::string& directory, const std::string& part_name);
  size_t CopySpanChunk(TSpanRun& run, TFileHeaderRecord& header);
  void NextSpanPart(TSpanRun& run);

  void CopyContents(const std::string& source, const std::string& target);

  bool abort_ = false;
  std::string compressed_file_;
  TCompressionLevel compression_level_ = colMax;
  std::string extract_directory_;
  TStringList files_to_process_;
  int32_t offset_ = 0;
  TOverwriteType overwrite_ = owAlways;
  TCompressNotifyEvent on_aborted_, on_full_disk_;
  TlzhFileStatsEvent on_after_adding_, on_before_adding_, on_after_extracting_, on_before_extracting_,
      on_listing_, on_replace_, on_status_;
  TlzhNewDiskEvent on_new_disk_;
  std::string target_name_;
  bool skip_file_ = false;

  TFileHeaders headers_;
  bool loaded_ = false;
  std::array<int, kIdentifierCount> id_index_;
  TMode mode_ = TMode::Idle;
  int current_part_ = 0;
  std::optional<TFileStream> archive_;  // the part or archive being read or written
  int archive_part_ = -1;               // which part archive_ holds
  std::string archive_path_;            // the file archive_ was opened from
  std::optional<TExtractTarget> target_;  // the file being extracted
  std::optional<TExtractTarget> claimed_target_;
  TlzhFileStats stats_;
  // Totals at full width; the record shows them cut to its 32-bit fields.
  int64_t total_size_ = 0, total_done_ = 0, total_compressed_ = 0, bytes_done_ = 0;
};

}  // namespace vorlan

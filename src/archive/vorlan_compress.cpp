#include "archive/vorlan_compress.h"

#include "archive/archive_exceptions.h"
#include "archive/archive_hooks.h"
#include "base/format.h"

namespace vorlan {

namespace {
const char kCorrupt[] =
    "Could not read the file headers for the compressed file. The Archive file could possible be corrupt";

}  // namespace

TVorlanCompress::TVorlanCompress(TComponent* owner) : TComponent(owner) { id_index_.fill(-1); }

void TVorlanCompress::SetCompressedFile(const std::string& name) {
  if (SameText(name, compressed_file_)) return;
  if (loaded_ && !SameText(ChangeFileExt(name, ".1"), ChangeFileExt(compressed_file_, ".1"))) loaded_ = false;
  compressed_file_ = name;
}

void TVorlanCompress::SetFilesToProcess(const TStringList& files) {
  files_to_process_.clear();
  for (const std::string& line : files) {
    if (!Trim(line).empty()) files_to_process_.push_back(line);
  }
}

void TVorlanCompress::CheckAbort() const {
  if (abort_) throw EvcAborted();
}

void TVorlanCompress::DoFullDisk() {
  if (!on_full_disk_) throw EvcDiskFull();
  on_full_disk_(*this);
}

size_t TVorlanCompress::WriteOrFull(TFileStream& stream, const void* data, size_t size) {
  size_t written = stream.Write(data, size);
  if (written < size) DoFullDisk();
  return written;
}

void TVorlanCompress::SetTotals() {
  total_size_ = headers_.TotalSize();
  total_compressed_ = headers_.TotalArchiveSize();
  total_done_ = 0;
  stats_.TotalSize = Saturated32(total_size_);
  stats_.TotalCompressed = Saturated32(total_compressed_);
  stats_.TotalRatio = PercentOf(total_compressed_, total_size_);
  stats_.TotalDone = 0;
  stats_.TotalPercentDone = 0;
}

void TVorlanCompress::FillStats(const TFileHeaderRecord& header) {
  stats_.FileName = header.SourceName;
  stats_.CompressedSize = header.ArchiveSize;
  stats_.FileSize = header.Size;
  stats_.Ratio = PercentOf(header.ArchiveSize, header.Size);
  stats_.Header = header;
  stats_.BytesDone = 0;
  stats_.FilePercentDone = 0;
  stats_.Finished = false;
  bytes_done_ = 0;
}

// file_whole is what the current member's percentage counts against.
void TVorlanCompress::PublishProgress(int64_t file_whole) {
  stats_.BytesDone = Saturated32(bytes_done_);
  stats_.TotalDone = Saturated32(total_done_);
  stats_.FilePercentDone = PercentOf(bytes_done_, file_whole);
  stats_.TotalPercentDone = PercentOf(total_done_, total_size_);
  FireStatus();
}

void TVorlanCompress::FireStatus() {
  if (on_status_) on_status_(*this, stats_);
}

void TVorlanCompress::RunSorted(bool swallow_silent, const std::function<void()>& body) {
  try {
    body();
  } catch (const EvcAborted&) {
    if (on_aborted_) on_aborted_(*this);
  } catch (const EAbort&) {
    if (!swallow_silent) {
      abort_ = true;
      throw;
    }
  } catch (...) {
    abort_ = true;
    throw;
  }
}

int TVorlanCompress::Count() {
  if (MayReadDirectory()) ReadHeaders();
  return headers_.Count();
}

void TVorlanCompress::GetFileStats(int index, TlzhFileStats& stats) {
  if (MayReadDirectory()) ReadHeaders();
  if (index < 0 || index >= headers_.Count()) {
    throw EVorlanCompress(Format("Tried to access the %dth file. This file is not defined", index));
  }
  SetTotals();
  FillStats(headers_.Header(index).Record());
  stats = stats_;
}

int TVorlanCompress::IndexOfId(int unique_id) {
  if (!loaded_) ReadHeaders();
  if (unique_id < 0 || unique_id >= kIdentifierCount) return -1;
  return id_index_[static_cast<size_t>(unique_id)];
}

void TVorlanCompress::ReadHeaders() {
  loaded_ = false;
  id_index_.fill(-1);
  auto stream = FileExists(compressed_file_) ? TFileStream::TryOpen(compressed_file_, TFileMode::Read)
                                             : std::nullopt;
  if (!stream) throw EVorlanCompress(Format("Cannot open the compressed file %s", compressed_file_));
  try {
    headers_.ReadFromStream(*stream, offset_);
  } catch (const std::exception&) {
    headers_.Clear();
    throw EVorlanCompress(kCorrupt);
  }
  for (int i = 0; i < headers_.Count(); ++i) {
    int32_t id = headers_.Header(i).Record().UniqueID;
    if (id >= 0 && id < kIdentifierCount) id_index_[static_cast<size_t>(id)] = i;
  }
  loaded_ = true;
}

void TVorlanCompress::OpenPart(int part, TFileMode mode, std::string& name) {
  for (int attempt = 0; attempt < 4; ++attempt) {
    ReleaseArchive();
    name = PartName(name, part);
    if (FileExists(name)) {
      archive_ = TFileStream::TryOpen(name, mode);
      if (!archive_) throw EVorlanCompress(Format("Cannot open the compressed file %s", name));
      archive_part_ = part;
      archive_path_ = name;
      return;
    }
    if (!on_new_disk_) throw EVorlanCompress(Format("Could not open the correct disk file %d", part));
    std::string path = RemoveBackslash(ExtractFileDir(name));
    on_new_disk_(*this, part, path);
    name = AddBackslash(path) + ExtractFileName(name);
  }
  throw EVorlanCompress(Format("Cannot open the compressed file %s", name));
}

std::string TVorlanCompress::PartName(const std::string& name, int part) const {
  return headers_.Spanned() ? ChangeFileExt(name, "." + IntToStr(part)) : name;
}

void TVorlanCompress::ReleaseArchive() {
  archive_.reset();
  archive_part_ = -1;
  archive_path_.clear();
}

void TVorlanCompress::List() {
  if (!loaded_) ReadHeaders();
  SetTotals();
  for (int i = 0; i < headers_.Count(); ++i) {
    FillStats(headers_.Header(i).Record());
    if (on_listing_) on_listing_(*this, stats_);
  }
}

}  // namespace vorlan

// Adding files: each member is its header followed by one zlib stream.

#include <limits>
#include <memory>

#include "archive/archive_exceptions.h"
#include "archive/archive_hooks.h"
#include "archive/vorlan_compress.h"
#include "archive/zlib_stream.h"
#include "base/format.h"
#include "base/scope_exit.h"

namespace vorlan {

namespace {
const char kCorrupt[] =
    "Could not read the file headers for the compressed file. The Archive file could possible be corrupt";

int ZlibLevel(TCompressionLevel level) {
  static const int kLevels[] = {0, 1, Z_DEFAULT_COMPRESSION, 9};
  return kLevels[level];
}
}  // namespace

int32_t TVorlanCompress::ArchiveOffset(int64_t position) const {
  if (position > std::numeric_limits<int32_t>::max()) {
    throw EVorlanCompress(Format("The archive %s cannot grow beyond 2 GB", compressed_file_));
  }
  return static_cast<int32_t>(position);
}

void TVorlanCompress::Add(bool append, int unique_id) {
  abort_ = false;
  mode_ = TMode::Adding;
  headers_.SetSpanned(0);
  offset_ = 0;
  TScopeExit cleanup([this] {
    loaded_ = false;
    ReleaseArchive();
    files_to_process_.clear();
  });
  RunSorted(true, [&] { AddFiles(append, unique_id); });
}

void TVorlanCompress::AddFiles(bool append, int unique_id) {
  if (unique_id < 0 || unique_id >= kIdentifierCount) {
    throw EVorlanCompress(Format("%d is not a valid identifier for an archive member", unique_id));
  }
  std::string directory = ExtractFileDir(compressed_file_);
  if (!directory.empty()) ForceDirectories(directory);
  bool appending = append && FileExists(compressed_file_);
  archive_ = TFileStream::TryOpen(compressed_file_, appending ? TFileMode::ReadWrite : TFileMode::Create);
  if (!archive_) throw EVorlanCompress(Format("Cannot create the file %s", compressed_file_));
  int64_t old_size = 0;
  int old_count = 0;
  if (appending) {
    try {
      headers_.ReadFromStream(*archive_, 0);
    } catch (const std::exception&) {
      headers_.Clear();
      throw EVorlanCompress(kCorrupt);
    }
    if (headers_.Spanned()) {
      throw EVorlanCompress(Format("Cannot add files to the spanned archive %s", compressed_file_));
    }
    old_size = archive_->Size();
    old_count = headers_.Count();
  }
  try {
    headers_.BuildFromFileList(files_to_process_, appending);
    headers_.WriteTable(*archive_);
    int64_t position = archive_->Seek(0, TSeekOrigin::End);
    SetTotals();
    total_compressed_ = 0;
    stats_.TotalCompressed = 0;
    for (int i = old_count; i < headers_.Count(); ++i) position = AddMember(i, unique_id, position);
  } catch (...) {
    RestoreArchive(appending, old_size, old_count);
    throw;
  }
}

// A failed batch must not leave an archive whose count promises members it
// lacks: an appended archive goes back to its old length and count, a new
// one is removed.
void TVorlanCompress::RestoreArchive(bool appended, int64_t old_size, int old_count) {
  headers_.Truncate(old_count);
  try {
    if (appended) {
      archive_->Seek(old_size, TSeekOrigin::Begin);
      archive_->Truncate();
      headers_.WriteTable(*archive_);
      return;
    }
  } catch (const std::exception&) {
    // The original failure is the one to report.
  }
  archive_.reset();
  if (!appended) DeleteFileAt(compressed_file_);
}

int64_t TVorlanCompress::AddMember(int index, int unique_id, int64_t position) {
  TFileHeaderRecord& header = headers_.MutableHeader(index).Record();
  auto source = TFileStream::TryOpen(header.SourceName, TFileMode::Read);
  if (!source) throw EVorlanCompress(Format("Cannot open the file %s", header.SourceName));
  int64_t header_position = position;
  headers_.Header(index).WriteToStream(*archive_);
  position += static_cast<int64_t>(kFileHeaderSize);
  header.DataOffset = ArchiveOffset(position);
  int64_t data_start = position;

  FillStats(header);
  stats_.CompressedSize = 0;
  if (on_before_adding_) on_before_adding_(*this, stats_);
  position = DeflateMember(*source, position);
  // The stream holds what was read, even if the file changed since its
  // size was taken.
  int64_t read = source->Position();
  header.Size = ArchiveOffset(read);
  stats_.Ratio = PercentOf(stats_.CompressedSize, stats_.FileSize);
  stats_.Finished = true;
  AddProgress(read, position);
  stats_.Finished = false;

  total_compressed_ += position - data_start;
  stats_.TotalCompressed = Saturated32(total_compressed_);
  header.EndOffset = ArchiveOffset(position - 1);
  header.NextHeader = ArchiveOffset(position);
  header.ArchiveSize = ArchiveOffset(position);
  header.UniqueID = unique_id;
  id_index_[static_cast<size_t>(unique_id)] = index;
  archive_->Seek(header_position, TSeekOrigin::Begin);
  // Taken for writing again: the sizes changed after the handlers ran, and
  // a total they asked for is out of date.
  headers_.MutableHeader(index).WriteToStream(*archive_);
  archive_->Seek(position, TSeekOrigin::Begin);
  stats_.Header = header;
  if (on_after_adding_) on_after_adding_(*this, stats_);
  return position;
}

int64_t TVorlanCompress::DeflateMember(TFileStream& source, int64_t position) {
  // Left unfilled: zeroing 128 KB per member is a cost no byte needs.
  auto input = std::make_unique_for_overwrite<uint8_t[]>(kAddOutputBlock);
  auto output = std::make_unique_for_overwrite<uint8_t[]>(kAddOutputBlock);
  TDeflater deflater(ZlibLevel(compression_level_));
  int64_t read = 0;
  bool last_input = false;
  deflater.SetOutput(output.get(), kAddOutputBlock);
  for (;;) {
    if (deflater.InputUsed() && !last_input) {
      size_t count = source.Read(input.get(), kAddOutputBlock);
      last_input = count < kAddOutputBlock;
      read += static_cast<int64_t>(count);
      deflater.SetInput(input.get(), count);
    }
    bool ended = deflater.Deflate(last_input);
    size_t produced = kAddOutputBlock - deflater.OutputLeft();
    if (produced == kAddOutputBlock || (ended && produced > 0)) {
      // A member cut short by a full disk would corrupt the archive, so
      // adding has no way to go on without the bytes.
      if (archive_->Write(output.get(), produced) != produced) throw EvcDiskFull();
      position += static_cast<int64_t>(produced);
      ArchiveOffset(position);
      if (produced == kAddOutputBlock) AddProgress(read, position);
      deflater.SetOutput(output.get(), kAddOutputBlock);
    }
    if (ended) return position;
  }
}

void TVorlanCompress::AddProgress(int64_t read, int64_t archive_size) {
  CheckAbort();
  ArchiveProcessMessages();
  total_done_ += read - bytes_done_;
  bytes_done_ = read;
  stats_.CompressedSize = static_cast<int32_t>(archive_size);
  PublishProgress(stats_.FileSize);
}

}  // namespace vorlan

// Spanning: the archive's member data copied onto numbered parts, each part
// ending where its disk accepted no more bytes.

#include <algorithm>

#include "archive/archive_exceptions.h"
#include "archive/archive_hooks.h"
#include "archive/vorlan_compress.h"
#include "base/format.h"
#include "base/scope_exit.h"

namespace vorlan {

namespace {
// Part numbers are stored in one byte.
constexpr int kMaxParts = 255;
}  // namespace

struct TVorlanCompress::TSpanRun {
  TFileStream source;
  std::string directory;
  std::string file_name;  // the part name's file-name part, with the extension of part 1
  std::optional<TFileStream> part;
  int64_t part_position = 0;
  int64_t source_position = 0;
  int64_t source_end = 0;

  std::string PartPath(int number) const {
    return AddBackslash(directory) + ChangeFileExt(file_name, "." + IntToStr(number));
  }
};

void TVorlanCompress::Span(const std::string& directory, const std::string& part_name) {
  abort_ = false;
  TScopeExit cleanup([this] {
    ReleaseArchive();
    // The directory in memory now describes the parts, not CompressedFile.
    loaded_ = false;
  });
  RunSorted(false, [&] { SpanArchive(directory, part_name); });
}

void TVorlanCompress::SpanArchive(const std::string& directory, const std::string& part_name) {
  if (!loaded_) ReadHeaders();
  if (headers_.Spanned()) throw EVorlanCompress(Format("The archive %s is spanned already", compressed_file_));
  current_part_ = 1;
  headers_.SetSpanned(1);
  SetTotals();
  auto source = TFileStream::TryOpen(compressed_file_, TFileMode::Read);
  if (!source) throw EVorlanCompress(Format("Cannot open the compressed file %s", compressed_file_));
  TSpanRun run{std::move(*source), directory, ExtractFileName(part_name), std::nullopt};
  std::string first_part = run.PartPath(1);
  run.part = TFileStream::TryOpen(first_part, TFileMode::Create);
  if (!run.part) throw EVorlanCompress(Format("Cannot create the file %s", first_part));
  headers_.WriteTable(*run.part);
  run.part_position = run.part->Position();

  for (int i = 0; i < headers_.Count(); ++i) {
    TFileHeaderRecord& header = headers_.MutableHeader(i).Record();
    FillStats(header);
    run.source_position = offset_ + static_cast<int64_t>(header.DataOffset);
    run.source_end = offset_ + static_cast<int64_t>(header.EndOffset) + 1;
    run.source.Seek(run.source_position, TSeekOrigin::Begin);
    header.DataOffset = static_cast<int32_t>(run.part_position);
    header.FirstPart = static_cast<uint8_t>(current_part_);
    while (CopySpanChunk(run, header) > 0) {
    }
    header.EndOffset = static_cast<int32_t>(run.part_position - 1);
    header.LastPart = static_cast<uint8_t>(current_part_);
  }
  run.part.reset();
  std::string part_one = AddBackslash(run.directory) + run.file_name;
  OpenPart(1, TFileMode::ReadWrite, part_one);
  headers_.WriteTable(*archive_);
}

size_t TVorlanCompress::CopySpanChunk(TSpanRun& run, TFileHeaderRecord& header) {
  CheckAbort();
  uint8_t chunk[kCopyChunk];
  size_t wanted = static_cast<size_t>(std::clamp<int64_t>(run.source_end - run.source_position, 0, sizeof chunk));
  size_t count = wanted ? run.source.Read(chunk, wanted) : 0;
  run.source_position += static_cast<int64_t>(count);
  ArchiveProcessMessages();
  if (count == 0) return 0;
  size_t written = run.part->Write(chunk, count);
  run.part_position += static_cast<int64_t>(written);
  if (written < count) {
    bool nothing_here = written == 0 && header.FirstPart == current_part_ &&
                        header.DataOffset == static_cast<int32_t>(run.part_position);
    NextSpanPart(run);
    // A member whose first byte did not fit begins on the new part.
    if (nothing_here) {
      header.FirstPart = static_cast<uint8_t>(current_part_);
      header.DataOffset = 0;
    }
    size_t rest = count - written;
    if (run.part->Write(chunk + written, rest) < rest) {
      throw EVorlanCompress("There is too little space on this disk to operate");
    }
    run.part_position = static_cast<int64_t>(rest);
  }
  bytes_done_ += static_cast<int64_t>(count);
  total_done_ += static_cast<int64_t>(count);
  stats_.BytesDone = Saturated32(bytes_done_);
  stats_.TotalDone = Saturated32(total_done_);
  stats_.FilePercentDone = PercentOf(bytes_done_, stats_.CompressedSize);
  stats_.TotalPercentDone = PercentOf(total_done_, total_compressed_);
  FireStatus();
  return count;
}

void TVorlanCompress::NextSpanPart(TSpanRun& run) {
  run.part.reset();
  if (current_part_ >= kMaxParts) {
    throw EVorlanCompress(Format("The archive %s needs more than %d disks", compressed_file_, kMaxParts));
  }
  ++current_part_;
  if (!on_new_disk_) {
    throw EVorlanCompress(
        "There was no event handler for the OnNewDisk event, therefore no new disk could be inserted");
  }
  on_new_disk_(*this, current_part_, run.directory);
  std::string name = run.PartPath(current_part_);
  run.part = TFileStream::TryOpen(name, TFileMode::Create);
  if (!run.part) throw EVorlanCompress(Format("Cannot create the file %s", name));
  run.part_position = 0;
}

}  // namespace vorlan

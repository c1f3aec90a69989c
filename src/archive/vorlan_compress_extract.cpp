// Extracting members: each member's zlib stream, followed over as many parts
// as it spans, into a file under ExtractDirectory.

#include <algorithm>
#include <limits>
#include <utility>
#include <memory>

#include "archive/archive_exceptions.h"
#include "archive/archive_hooks.h"
#include "archive/vorlan_compress.h"
#include "archive/zlib_stream.h"
#include "base/format.h"
#include "base/scope_exit.h"

namespace vorlan {

namespace {
[[noreturn]] void SizeMismatch(const TFileHeaderRecord& header) {
  throw EVorlanCompress(
      Format("The decompressed file's size does not match with the actual size of the file.  The file is %s",
             header.SourceName));
}

// Windows opens these names as devices in every directory.
bool IsDeviceName(const std::string& name) {
  std::string stem = UpperCase(Trim(ExtractField(name, 1, '.')));
  static const char* kDevices[] = {"CON", "PRN", "AUX", "NUL", "CLOCK$"};
  for (const char* device : kDevices) {
    if (stem == device) return true;
  }
  return stem.size() == 4 && (StartsWithText(stem, "COM") || StartsWithText(stem, "LPT")) && stem[3] >= '1' &&
         stem[3] <= '9';
}

// A name that would leave the directory or name no file: empty, only dots
// and blanks (which Windows reads as the directory or its parent), with
// control characters, or a device.
bool IsPlainFileName(const std::string& name) {
  if (std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; })) {
    return false;
  }
  return name.find_first_not_of(". ") != std::string::npos && !IsDeviceName(name);
}
}  // namespace

void TVorlanCompress::Extract() {
  abort_ = false;
  mode_ = TMode::Extracting;
  TScopeExit cleanup([this] {
    target_.reset();
    claimed_target_.reset();
    files_to_process_.clear();
    target_name_.clear();
  });
  RunSorted(true, [this] {
    if (!loaded_) ReadHeaders();
    current_part_ = 0;
    SetTotals();
    TStringList lines = files_to_process_;
    for (const std::string& line : lines) ExtractLine(line);
  });
}

// Only the file-name part of TargetName counts, so no member and no handler
// can place a file outside ExtractDirectory.
std::string TVorlanCompress::TargetPath() {
  target_name_ = ExtractFileName(target_name_);
  std::string path = AddBackslash(extract_directory_) + target_name_;
  if (!IsPlainFileName(target_name_)) throw EVorlanCompress(Format("Cannot create the file %s", path));
  return path;
}

void TVorlanCompress::ExtractLine(const std::string& line) {
  skip_file_ = false;
  int index = headers_.IndexOfName(line);
  if (index < 0) {
    throw EVorlanCompress(Format("The file <%s> was not found in the archive <%s>", line, compressed_file_));
  }
  const TFileHeaderRecord header = headers_.Header(index).Record();
  FillStats(header);
  if (Trim(target_name_).empty()) target_name_ = ExtractFileName(header.SourceName);
  if (on_before_extracting_) on_before_extracting_(*this, stats_);
  std::string target = TargetPath();
  if (!skip_file_ && Replaces(header, target)) WriteMember(header);
  if (!stats_.Finished) {
    stats_.Finished = true;
    FireStatus();
  }
  target_.reset();
  target_name_.clear();
}

// Readies the target for writing and answers whether the member is to be
// written: always onto a new target, onto an existing one as the overwrite
// rule and the handlers decide.
bool TVorlanCompress::Replaces(const TFileHeaderRecord& header, std::string& target) {
  if (claimed_target_ && SameText(claimed_target_->Path(), target)) {
    target_.emplace(std::move(*claimed_target_));
  } else {
    target_.emplace(target);
  }
  claimed_target_.reset();
  if (!target_->Existing()) return true;
  switch (IsFileNewer(header.Version, target, overwrite_, header.Date)) {
    case fnrUnknown:
      throw EVorlanCompress("Error comparing file versions in TVorlanCompress");
    case fnrSame:
    case fnrOlder:
      return false;
    case fnrNewer:
    case fnrAsk:
      break;
  }
  if (on_replace_) on_replace_(*this, stats_);
  std::string renamed = TargetPath();
  if (skip_file_) return false;
  if (renamed != target) {
    target = renamed;
    target_.emplace(target);
  }
  if (target_->Existing()) target_->OpenBeside();
  return true;
}

void TVorlanCompress::WriteMember(const TFileHeaderRecord& header) {
  int first = std::max<int>(header.FirstPart, 1);
  OpenArchivePart(first);
  current_part_ = first;
  int64_t written = 0;
  bool sound = InflateMember(header, target_->Stream(), written);
  stats_.Finished = true;
  FireStatus();
  // The file is new, so its length is what was written to it.
  if (written != header.Size) SizeMismatch(header);
  if (!sound) throw Exception("error");
  target_->Commit(header.Date);
}

// The held part serves every member that starts in it, also across
// extractions, so a run of members costs one open, not one per member.
void TVorlanCompress::OpenArchivePart(int part) {
  if (archive_ && archive_part_ == part && SameText(archive_path_, PartName(compressed_file_, part))) return;
  OpenPart(part, TFileMode::Read, compressed_file_);
}

// Answers whether the stream ended exactly where the member's data ends;
// written counts the bytes the target took.
bool TVorlanCompress::InflateMember(const TFileHeaderRecord& header, TFileStream& target, int64_t& written_total) {
  const int last = headers_.Spanned() ? header.LastPart : current_part_;
  // Offset is where the archive starts in its first file; later parts start at 0.
  auto base = [this](int part) -> int64_t { return part == 1 ? offset_ : 0; };
  auto limit_of = [&](int part) {
    return part == last ? base(part) + header.EndOffset + 1 : std::numeric_limits<int64_t>::max();
  };
  int64_t position = base(current_part_) + header.DataOffset;
  int64_t limit = limit_of(current_part_);
  archive_->Seek(position, TSeekOrigin::Begin);

  auto input = std::make_unique_for_overwrite<uint8_t[]>(kExtractInputBlock);
  uint8_t output[kExtractOutputBlock];
  TInflater inflater;
  int64_t produced = 0;
  bool ended = false;
  for (;;) {
    inflater.SetOutput(output, sizeof output);
    while (inflater.OutputLeft() > 0 && !ended) {
      if (inflater.InputLeft() == 0) {
        size_t wanted = static_cast<size_t>(std::clamp<int64_t>(limit - position, 0, kExtractInputBlock));
        size_t count = wanted ? archive_->Read(input.get(), wanted) : 0;
        if (count == 0) break;
        position += static_cast<int64_t>(count);
        inflater.SetInput(input.get(), count);
      }
      ended = inflater.Inflate();
    }
    size_t have = sizeof output - inflater.OutputLeft();
    if (have > 0) {
      CheckAbort();
      ArchiveProcessMessages();
      produced += static_cast<int64_t>(have);
      // A stream that yields more than the member's size is damaged; it is
      // stopped here rather than left to fill the disk.
      if (produced > header.Size) SizeMismatch(header);
      size_t written = WriteOrFull(target, output, have);
      written_total += static_cast<int64_t>(written);
      bytes_done_ += static_cast<int64_t>(written);
      total_done_ += static_cast<int64_t>(written);
      PublishProgress(header.Size);
      continue;
    }
    if (ended || current_part_ >= last) break;
    OpenPart(++current_part_, TFileMode::Read, compressed_file_);
    position = 0;
    limit = limit_of(current_part_);
  }
  return ended && inflater.InputLeft() == 0 && current_part_ == last && position == limit;
}

}  // namespace vorlan

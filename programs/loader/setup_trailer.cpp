#include "setup_trailer.h"

#include <algorithm>
#include <optional>

namespace vorlan {

namespace {
constexpr const char* kEmbeddedSignature = "SELFEXTRACTING";
constexpr const char* kBesideSignature = "NOTSELFEXTRACT";

bool LooksLikeChecksum(std::string_view text) {
  return text.size() == kChecksumSize && std::all_of(text.begin(), text.end(), [](char c) {
           return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
         });
}

// The record that ends `end` bytes before the end of tail, when tail
// reaches that far and the record carries one of the two signatures.
std::optional<SelfExtractInfo> RecordBefore(std::string_view tail, size_t end) {
  if (tail.size() < end + kSelfExtractInfoSize) return std::nullopt;
  TSelfExtractInfoBytes bytes;
  std::copy_n(tail.end() - static_cast<std::ptrdiff_t>(end + kSelfExtractInfoSize), bytes.size(), bytes.begin());
  SelfExtractInfo info = DecodeSelfExtractInfo(bytes);
  if (info.Signature != kEmbeddedSignature && info.Signature != kBesideSignature) return std::nullopt;
  return info;
}

// An inclusive range of the executable that lies before its trailer.
bool RangeFits(int32_t first, int32_t last, int64_t data_end) {
  return first > 0 && first <= last && last < data_end;
}

bool OffsetsFit(const SelfExtractInfo& info, int64_t data_end) {
  if (!RangeFits(info.SetupArchiveStart, info.SetupArchiveEnd, data_end)) return false;
  if (info.FilesArchiveStart == 0 && info.FilesArchiveEnd == 0) return true;
  return info.FilesArchiveStart > info.SetupArchiveEnd &&
         RangeFits(info.FilesArchiveStart, info.FilesArchiveEnd, data_end);
}
}  // namespace

TSetupTrailer ReadSetupTrailer(std::string_view tail, int64_t file_size) {
  if (tail.size() > kSelfExtractTrailerSize) tail.remove_prefix(tail.size() - kSelfExtractTrailerSize);
  TSetupTrailer trailer;
  std::optional<SelfExtractInfo> record = RecordBefore(tail, kChecksumSize);
  bool checksum_shaped = tail.size() >= kChecksumSize && LooksLikeChecksum(tail.substr(tail.size() - kChecksumSize));
  // Either half of "record, then checksum" is enough to hold the file to
  // both: one damaged byte must not turn a checked setup into an unchecked one.
  if (record || checksum_shaped) {
    trailer.Checksummed = true;
  } else {
    record = RecordBefore(tail, 0);
    if (!record) return trailer;
  }
  if (!record) {
    trailer.Kind = TTrailerKind::tkDamaged;
    return trailer;
  }
  trailer.Info = *record;
  if (record->Signature == kBesideSignature) {
    trailer.Kind = TTrailerKind::tkBeside;
    return trailer;
  }
  int64_t data_end = file_size - static_cast<int64_t>(kSelfExtractInfoSize) -
                     (trailer.Checksummed ? static_cast<int64_t>(kChecksumSize) : 0);
  trailer.Kind = OffsetsFit(*record, data_end) ? TTrailerKind::tkEmbedded : TTrailerKind::tkDamaged;
  return trailer;
}

}  // namespace vorlan

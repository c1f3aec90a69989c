#pragma once
// SelfExtractInfo: the 56-byte record a built setup executable carries, 96
// bytes before its end (the record, then a 40-character checksum), telling
// where the archives embedded in it begin and end.

#include <array>
#include <cstdint>
#include <string>

namespace vorlan {

constexpr size_t kSelfExtractInfoSize = 56;
// The record and the checksum that follows it.
constexpr int64_t kSelfExtractTrailerSize = 96;

struct SelfExtractInfo {
  std::string Signature;  // "SELFEXTRACTING" or "NOTSELFEXTRACT"
  int32_t SetupArchiveStart = 0;
  int32_t SetupArchiveEnd = 0;  // inclusive
  int32_t FilesArchiveStart = 0;
  int32_t FilesArchiveEnd = 0;  // inclusive

  bool operator==(const SelfExtractInfo&) const = default;
};

template <typename Io, typename Record>
void SelfExtractInfoLayout(Io& io, Record& r) {
  io.Text(0, 14, r.Signature);
  io.Reserved(15, 1);
  io.Int32(16, r.SetupArchiveStart);
  io.Int32(20, r.SetupArchiveEnd);
  io.Int32(24, r.FilesArchiveStart);
  io.Int32(28, r.FilesArchiveEnd);
  io.Reserved(32, 24);
}

using TSelfExtractInfoBytes = std::array<uint8_t, kSelfExtractInfoSize>;

TSelfExtractInfoBytes EncodeSelfExtractInfo(const SelfExtractInfo& info);
SelfExtractInfo DecodeSelfExtractInfo(const TSelfExtractInfoBytes& bytes);

// Reads the record of a built executable. Raises IEInstall when the file
// cannot be opened or is too short to hold it.
SelfExtractInfo ReadSelfExtractInfo(const std::string& executable);

}  // namespace vorlan

#pragma once
// The 176-byte file header of an archive member and the 5-byte archive
// prefix, as plain values with their one layout description each.

#include <array>
#include <cstdint>
#include <string>

#include "base/date_time.h"

namespace vorlan {

constexpr size_t kFileHeaderSize = 176;
constexpr size_t kArchivePrefixSize = 5;
constexpr size_t kSourceNameMax = 100;
constexpr size_t kVersionMax = 20;

struct TFileHeaderRecord {
  int32_t Number = 0;       // position within the batch that added it, from 1
  TDateTime Date = 0;       // source's last-write time, local, two-second resolution
  uint8_t LastPart = 0;     // part of the last data byte; 0 in a single-file archive
  int32_t EndOffset = 0;    // offset of the last data byte (inclusive) within LastPart
  std::string SourceName;   // at most 100 characters
  int32_t NextHeader = 0;   // where the next header begins
  int32_t Size = 0;         // original size
  int32_t DataOffset = 0;   // offset of the first data byte within FirstPart
  int32_t ArchiveSize = 0;  // archive size just after this member was added
  uint8_t FirstPart = 0;    // part of the first data byte; 0 in a single-file archive
  int32_t UniqueID = 0;     // identifier of the install file that added it
  std::string Version;      // at most 20 characters

  bool operator==(const TFileHeaderRecord&) const = default;
};

template <typename Io, typename Record>
void FileHeaderLayout(Io& io, Record& h) {
  io.Int32(0, h.Number);
  io.Reserved(4, 4);
  io.Float64(8, h.Date);
  io.UInt8(16, h.LastPart);
  io.Reserved(17, 3);
  io.Int32(20, h.EndOffset);
  io.Text(24, kSourceNameMax, h.SourceName);
  io.Reserved(125, 3);
  io.Int32(128, h.NextHeader);
  io.Int32(132, h.Size);
  io.Int32(136, h.DataOffset);
  io.Int32(140, h.ArchiveSize);
  io.UInt8(144, h.FirstPart);
  io.Reserved(145, 3);
  io.Int32(148, h.UniqueID);
  io.Text(152, kVersionMax, h.Version);
  io.Reserved(173, 3);
}

struct TArchivePrefix {
  int32_t Count = 0;
  uint8_t Spanned = 0;
};

template <typename Io, typename Record>
void ArchivePrefixLayout(Io& io, Record& p) {
  io.Int32(0, p.Count);
  io.UInt8(4, p.Spanned);
}

using TFileHeaderBytes = std::array<uint8_t, kFileHeaderSize>;
using TArchivePrefixBytes = std::array<uint8_t, kArchivePrefixSize>;

TFileHeaderBytes EncodeFileHeader(const TFileHeaderRecord& header);
TFileHeaderRecord DecodeFileHeader(const TFileHeaderBytes& bytes);
TArchivePrefixBytes EncodeArchivePrefix(const TArchivePrefix& prefix);
TArchivePrefix DecodeArchivePrefix(const TArchivePrefixBytes& bytes);

}  // namespace vorlan

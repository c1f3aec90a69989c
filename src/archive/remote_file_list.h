#pragma once
// "filelist.lst": what a remote distribution tells the installer about its
// files before any of them is downloaded. A 32-bit count, then one 80-byte
// record per file: size, 4 reserved bytes, date-time, a 40-byte
// zero-terminated name and a 24-byte zero-terminated version.

#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "base/date_time.h"

namespace vorlan {

constexpr size_t kRemoteFileRecordSize = 80;
// Characters kept of each text; the rest of the field stays zero, so a
// written name always ends in a zero byte.
constexpr size_t kRemoteFileNameLength = 39;
constexpr size_t kRemoteFileVersionLength = 20;

struct TRemoteFileRecord {
  int32_t SourceSize = 0;
  TDateTime SourceDate = 0;
  std::string Name;
  std::string SourceVersion;

  bool operator==(const TRemoteFileRecord&) const = default;
};

std::string EncodeRemoteFileRecord(const TRemoteFileRecord& record);
// bytes holds kRemoteFileRecordSize bytes.
TRemoteFileRecord DecodeRemoteFileRecord(const uint8_t* bytes);

// Creates or replaces the list. Raises EFCreateError when the file cannot be
// created and EInOutError when the disk takes less than the whole list.
void WriteRemoteFileList(const std::string& path, const std::vector<TRemoteFileRecord>& records);

// The error a reader raises for a list it cannot read whole, given the
// list's path; the reader owns no message of its own.
using TRemoteFileListError = std::function<std::exception_ptr(const std::string& path)>;

// Reads the whole list before answering, so a cut list yields no records at
// all. A missing file, a short count or record and a negative count raise
// the caller's error.
std::vector<TRemoteFileRecord> ReadRemoteFileList(const std::string& path, const TRemoteFileListError& error);

}  // namespace vorlan

#include "archive/remote_file_list.h"

#include <algorithm>
#include <cstring>

#include "archive/record_layout.h"
#include "base/exceptions.h"
#include "base/file.h"

namespace vorlan {
namespace {

constexpr size_t kNameOffset = 16, kNameField = 40;
constexpr size_t kVersionOffset = 56;

void PutText(std::string& bytes, size_t offset, size_t max_length, const std::string& value) {
  bytes.replace(offset, std::min(value.size(), max_length), value, 0, max_length);
}

// Up to the first zero byte, or the whole width when there is none.
std::string GetText(const uint8_t* bytes, size_t offset, size_t width) {
  const char* start = reinterpret_cast<const char*>(bytes + offset);
  const void* zero = std::memchr(start, 0, width);
  return std::string(start, zero ? static_cast<const char*>(zero) - start : width);
}

}  // namespace

std::string EncodeRemoteFileRecord(const TRemoteFileRecord& record) {
  std::string bytes(kRemoteFileRecordSize, '\0');
  TRecordWriter writer(reinterpret_cast<uint8_t*>(bytes.data()), bytes.size());
  writer.Int32(0, record.SourceSize);
  writer.Float64(8, record.SourceDate);
  PutText(bytes, kNameOffset, kRemoteFileNameLength, record.Name);
  PutText(bytes, kVersionOffset, kRemoteFileVersionLength, record.SourceVersion);
  return bytes;
}

TRemoteFileRecord DecodeRemoteFileRecord(const uint8_t* bytes) {
  TRemoteFileRecord record;
  TRecordReader reader(bytes);
  reader.Int32(0, record.SourceSize);
  reader.Float64(8, record.SourceDate);
  record.Name = GetText(bytes, kNameOffset, kNameField);
  record.SourceVersion = GetText(bytes, kVersionOffset, kRemoteFileVersionLength);
  return record;
}

void WriteRemoteFileList(const std::string& path, const std::vector<TRemoteFileRecord>& records) {
  std::string bytes(4, '\0');
  TRecordWriter(reinterpret_cast<uint8_t*>(bytes.data()), bytes.size()).Int32(0, static_cast<int32_t>(records.size()));
  for (const TRemoteFileRecord& record : records) bytes += EncodeRemoteFileRecord(record);
  TFileStream stream(path, TFileMode::Create);
  if (stream.Write(bytes.data(), bytes.size()) != bytes.size()) {
    throw EInOutError(Format("The file list %s could not be written whole", path));
  }
}

std::vector<TRemoteFileRecord> ReadRemoteFileList(const std::string& path, const TRemoteFileListError& error) {
  auto stream = TFileStream::TryOpen(path, TFileMode::Read);
  if (!stream) std::rethrow_exception(error(path));
  uint8_t count_bytes[4];
  int32_t count = 0;
  if (stream->Read(count_bytes, sizeof count_bytes) != sizeof count_bytes) std::rethrow_exception(error(path));
  TRecordReader(count_bytes).Int32(0, count);
  if (count < 0) std::rethrow_exception(error(path));
  std::vector<TRemoteFileRecord> records;
  uint8_t bytes[kRemoteFileRecordSize];
  for (int32_t i = 0; i < count; ++i) {
    if (stream->Read(bytes, sizeof bytes) != sizeof bytes) std::rethrow_exception(error(path));
    records.push_back(DecodeRemoteFileRecord(bytes));
  }
  return records;
}

}  // namespace vorlan

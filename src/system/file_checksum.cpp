#include "system/file_checksum.h"

#include <algorithm>
#include <vector>

#include "base/exceptions.h"
#include "base/file.h"
#include "base/format.h"
#include "base/sha.h"

namespace vorlan {

namespace {
constexpr int64_t kChecksumLength = 40;

TFileStream OpenExisting(const std::string& file_name, TFileMode mode) {
  if (!FileExists(file_name)) throw Exception(Format("Can't find file \"%s\"!", file_name));
  return TFileStream(file_name, mode);
}
}  // namespace

std::string CalcFileCheckSum(const std::string& file_name, bool exclude_trailer) {
  TFileStream file = OpenExisting(file_name, TFileMode::Read);
  int64_t remaining = file.Size();
  if (exclude_trailer) remaining = std::max<int64_t>(0, remaining - kChecksumLength);
  TSha sha(TShaVariant::Sha0);
  std::vector<char> buffer(64 * 1024);
  while (remaining > 0) {
    size_t want = static_cast<size_t>(std::min<int64_t>(remaining, static_cast<int64_t>(buffer.size())));
    size_t got = file.Read(buffer.data(), want);
    if (got == 0) break;
    sha.Update(buffer.data(), got);
    remaining -= static_cast<int64_t>(got);
  }
  return DigestToHex(sha.Final());
}

void AddFileCheckSum(const std::string& file_name, std::string checksum) {
  if (checksum.empty()) checksum = CalcFileCheckSum(file_name, false);
  if (static_cast<int64_t>(checksum.size()) != kChecksumLength) throw Exception("Can't calculete CheckSum");
  TFileStream file = OpenExisting(file_name, TFileMode::ReadWrite);
  int64_t size = file.Seek(0, TSeekOrigin::End);
  if (file.Write(checksum.data(), checksum.size()) != checksum.size()) {
    // Half a checksum would mark the file as damaged: take it back.
    file.Seek(size, TSeekOrigin::Begin);
    file.Truncate();
    throw EInOutError("Write error on \"" + file_name + "\". The disk is full.");
  }
}

}  // namespace vorlan

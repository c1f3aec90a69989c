#include "archive/file_header.h"

#include <limits>

#include "archive/archive_exceptions.h"
#include "archive/archive_hooks.h"
#include "base/file.h"
#include "base/format.h"
#include "base/strings.h"

namespace vorlan {

std::string SourceNameOfLine(const std::string& line) {
  return ExtractField(line, 1, ';').substr(0, kSourceNameMax);
}

void TFileHeader::FillFromFile(const std::string& line) {
  record_.SourceName = SourceNameOfLine(line);
  // Asked by name rather than through an opened file: adding opens each
  // file once, to compress it, and opening is what a file costs most.
  auto size = FileSizeOf(record_.SourceName);
  auto date = FileLastWriteTime(record_.SourceName);
  if (!size || !date) {
    throw EVorlanCompress(Format("Cannot open the file %s", record_.SourceName));
  }
  // Sizes and offsets are 32-bit in the format; a larger member cannot be
  // described, so it is refused rather than written with a wrapped size.
  if (*size > std::numeric_limits<int32_t>::max()) {
    throw EVorlanCompress(Format("The file %s is too large for the archive", record_.SourceName));
  }
  record_.Size = static_cast<int32_t>(*size);
  record_.Date = TruncateToTwoSeconds(*date);
  record_.Version = ReadArchiveFileVersion(record_.SourceName).substr(0, kVersionMax);
}

void TFileHeader::ReadFromStream(TFileStream& stream) {
  TFileHeaderBytes bytes;
  if (stream.Read(bytes.data(), bytes.size()) != bytes.size()) {
    throw EVorlanCompress(
        "Could not read the file headers for the compressed file. The Archive file could possible be corrupt");
  }
  record_ = DecodeFileHeader(bytes);
  loaded_ = true;
}

void TFileHeader::WriteToStream(TFileStream& stream) const {
  TFileHeaderBytes bytes = EncodeFileHeader(record_);
  if (stream.Write(bytes.data(), bytes.size()) != bytes.size()) {
    throw EVorlanCompress("Could not write the file headers for the compressed file");
  }
}

}  // namespace vorlan

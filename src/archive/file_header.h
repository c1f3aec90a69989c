#pragma once
// TFileHeader: one member's header, either read from an archive (Loaded) or
// made for a file about to be added.

#include <string>

#include "archive/file_header_record.h"

namespace vorlan {

class TFileStream;

class TFileHeader {
 public:
  TFileHeader() = default;
  explicit TFileHeader(TFileHeaderRecord record) : record_(std::move(record)) {}

  TFileHeaderRecord& Record() { return record_; }
  const TFileHeaderRecord& Record() const { return record_; }
  bool Loaded() const { return loaded_; }

  // From a file list line: the first ";" field names the file, which gives
  // the date, the size and the version. Raises EVorlanCompress when the
  // file cannot be opened.
  void FillFromFile(const std::string& line);
  // Raises EVorlanCompress on a short read or write.
  void ReadFromStream(TFileStream& stream);
  void WriteToStream(TFileStream& stream) const;

 private:
  TFileHeaderRecord record_;
  bool loaded_ = false;
};

// The first ";" field of a file list line, cut to what a header can hold.
std::string SourceNameOfLine(const std::string& line);

}  // namespace vorlan

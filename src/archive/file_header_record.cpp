#include "archive/file_header_record.h"

#include "archive/record_layout.h"

namespace vorlan {

TFileHeaderBytes EncodeFileHeader(const TFileHeaderRecord& header) {
  TFileHeaderBytes bytes;
  TRecordWriter writer(bytes.data(), bytes.size());
  FileHeaderLayout(writer, header);
  return bytes;
}

TFileHeaderRecord DecodeFileHeader(const TFileHeaderBytes& bytes) {
  TFileHeaderRecord header;
  TRecordReader reader(bytes.data());
  FileHeaderLayout(reader, header);
  return header;
}

TArchivePrefixBytes EncodeArchivePrefix(const TArchivePrefix& prefix) {
  TArchivePrefixBytes bytes;
  TRecordWriter writer(bytes.data(), bytes.size());
  ArchivePrefixLayout(writer, prefix);
  return bytes;
}

TArchivePrefix DecodeArchivePrefix(const TArchivePrefixBytes& bytes) {
  TArchivePrefix prefix;
  TRecordReader reader(bytes.data());
  ArchivePrefixLayout(reader, prefix);
  return prefix;
}

}  // namespace vorlan

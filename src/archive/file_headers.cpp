#include "archive/file_headers.h"

#include "archive/archive_exceptions.h"
#include "base/file.h"
#include "base/format.h"

namespace vorlan {

namespace {
const char kCorrupt[] =
    "Could not read the file headers for the compressed file. The Archive file could possible be corrupt";
const char kCannotWrite[] = "Could not write the file headers for the compressed file";
const char kCannotReadCount[] = "Could not read the file header count for the compressed file";
}  // namespace

TFileHeader& TFileHeaders::MutableHeader(int index) {
  TFileHeader& header = const_cast<TFileHeader&>(Header(index));
  Changed();
  return header;
}

const TFileHeader& TFileHeaders::Header(int index) const {
  if (index < 0 || index >= Count()) {
    throw EVorlanCompress(Format("%d is an invalid TFileHeader index in TFileHeaders.GetFileHeaders", index));
  }
  return *headers_[static_cast<size_t>(index)];
}

void TFileHeaders::Add(std::unique_ptr<TFileHeader> header) {
  if (Trim(header->Record().SourceName).empty()) throw EVorlanCompress("Tried to add an invalid file header");
  headers_.push_back(std::move(header));
  Changed();
}

void TFileHeaders::Truncate(int count) {
  headers_.resize(static_cast<size_t>(count));
  Changed();
}

void TFileHeaders::Changed() {
  name_index_built_ = false;
  totals_.reset();
}

void TFileHeaders::BuildFromFileList(const TStringList& lines, bool keep_existing) {
  if (!keep_existing) Clear();
  int32_t number = 0;
  for (const std::string& line : lines) {
    auto header = std::make_unique<TFileHeader>();
    header->FillFromFile(line);
    header->Record().Number = ++number;
    Add(std::move(header));
  }
}

int TFileHeaders::IndexOfName(const std::string& line) const {
  if (!name_index_built_) {
    name_index_.clear();
    for (int i = Count() - 1; i >= 0; --i) {
      name_index_[UpperCase(headers_[static_cast<size_t>(i)]->Record().SourceName)] = i;
    }
    name_index_built_ = true;
  }
  auto found = name_index_.find(UpperCase(ExtractField(line, 1, ';')));
  return found == name_index_.end() ? -1 : found->second;
}

const TFileHeaders::TTotals& TFileHeaders::Totals() const {
  if (!totals_) {
    TTotals totals;
    for (const auto& header : headers_) {
      totals.size += header->Record().Size;
      totals.archive_size += header->Record().ArchiveSize;
    }
    totals_ = totals;
  }
  return *totals_;
}

int64_t TFileHeaders::TotalSize() const { return Totals().size; }

int64_t TFileHeaders::TotalArchiveSize() const { return Totals().archive_size; }

// A damaged directory must not send the reader backwards, into itself or
// past the file, nor describe data that cannot exist; reading never
// repairs, so any such header fails the whole directory.
void TFileHeaders::CheckHeader(const TFileHeaderRecord& h, int64_t position, int64_t start, int64_t file_size,
                               bool last) const {
  int64_t next = start + h.NextHeader;
  bool sound = next >= position + static_cast<int64_t>(kFileHeaderSize) && next <= file_size &&
               (last || next + static_cast<int64_t>(kFileHeaderSize) <= file_size) && h.Size >= 0 &&
               h.DataOffset >= 0 && h.EndOffset >= -1;
  if (sound && spanned_ == 0) {
    sound = h.FirstPart == 0 && h.LastPart == 0 && h.EndOffset >= h.DataOffset - 1 &&
            start + h.EndOffset < file_size;
  } else if (sound) {
    uint8_t first = h.FirstPart == 0 ? 1 : h.FirstPart;
    sound = h.LastPart >= first && (h.LastPart > first || h.EndOffset >= h.DataOffset - 1);
  }
  if (!sound) throw EVorlanCompress(kCorrupt);
}

void TFileHeaders::ReadFromStream(TFileStream& stream, int64_t start) {
  Clear();
  int64_t file_size = stream.Size();
  TArchivePrefixBytes bytes;
  if (start < 0 || start > file_size) throw EVorlanCompress(kCannotReadCount);
  stream.Seek(start, TSeekOrigin::Begin);
  if (stream.Read(bytes.data(), bytes.size()) != bytes.size()) throw EVorlanCompress(kCannotReadCount);
  TArchivePrefix prefix = DecodeArchivePrefix(bytes);
  int64_t room = file_size - start - static_cast<int64_t>(kArchivePrefixSize);
  if (prefix.Count < 0 || prefix.Count > room / static_cast<int64_t>(kFileHeaderSize) || prefix.Spanned > 1) {
    throw EVorlanCompress(kCorrupt);
  }
  spanned_ = prefix.Spanned;
  int64_t position = start + static_cast<int64_t>(kArchivePrefixSize);
  for (int32_t k = 0; k < prefix.Count; ++k) {
    stream.Seek(position, TSeekOrigin::Begin);
    auto header = std::make_unique<TFileHeader>();
    header->ReadFromStream(stream);
    CheckHeader(header->Record(), position, start, file_size, k + 1 == prefix.Count);
    position = start + header->Record().NextHeader;
    Add(std::move(header));
  }
}

void TFileHeaders::WriteTable(TFileStream& stream) {
  stream.Seek(0, TSeekOrigin::Begin);
  TArchivePrefixBytes bytes = EncodeArchivePrefix({Count(), spanned_});
  if (stream.Write(bytes.data(), bytes.size()) != bytes.size()) throw EVorlanCompress(kCannotWrite);
  if (spanned_ != 1) return;
  int64_t position = static_cast<int64_t>(kArchivePrefixSize);
  for (auto& header : headers_) {
    position += static_cast<int64_t>(kFileHeaderSize);
    header->Record().NextHeader = static_cast<int32_t>(position);
    header->WriteToStream(stream);
  }
}

}  // namespace vorlan

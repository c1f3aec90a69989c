#pragma once
// TFileHeaders: the in-memory directory of an archive, the headers in file
// order and the archive's Spanned flag.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "archive/file_header.h"
#include "base/strings.h"

namespace vorlan {

class TFileHeaders {
 public:
  int Count() const { return static_cast<int>(headers_.size()); }
  // Raises EVorlanCompress for an index outside 0 ... Count-1. The
  // writable access may change a name or a size, so it forgets the name
  // index and the totals.
  const TFileHeader& Header(int index) const;
  TFileHeader& MutableHeader(int index);

  uint8_t Spanned() const { return spanned_; }
  void SetSpanned(uint8_t spanned) { spanned_ = spanned; }

  // Raises EVorlanCompress for a header without a source name.
  void Add(std::unique_ptr<TFileHeader> header);
  void Clear() { Truncate(0); }
  // Drops every header after the first count.
  void Truncate(int count);

  // One header per line, numbered 1, 2, ... in line order; the existing
  // headers stay when keep_existing is set.
  void BuildFromFileList(const TStringList& lines, bool keep_existing);
  // The first header named by the line's first ";" field (case-insensitive); -1 when none.
  int IndexOfName(const std::string& line) const;

  // The sums over all headers, kept until the headers change: every
  // extraction and every look at a member's statistics reports them.
  int64_t TotalSize() const;
  int64_t TotalArchiveSize() const;

  // Reads the prefix and the chained headers of the archive starting at
  // start. Raises EVorlanCompress when they are short or do not describe a
  // well-formed archive within the file.
  void ReadFromStream(TFileStream& stream, int64_t start);
  // The prefix at offset 0 and, for a spanned archive, every header after
  // it back to back.
  void WriteTable(TFileStream& stream);

 private:
  void CheckHeader(const TFileHeaderRecord& h, int64_t position, int64_t start, int64_t file_size,
                   bool last) const;

  std::vector<std::unique_ptr<TFileHeader>> headers_;
  uint8_t spanned_ = 0;
  struct TTotals {
    int64_t size = 0;
    int64_t archive_size = 0;
  };
  const TTotals& Totals() const;
  void Changed();

  // Upper-cased name to the first header of that name, built on first use,
  // so looking up every member of a large archive is not quadratic.
  mutable std::unordered_map<std::string, int> name_index_;
  mutable bool name_index_built_ = false;
  mutable std::optional<TTotals> totals_;
};

}  // namespace vorlan

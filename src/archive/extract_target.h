#pragma once
// TExtractTarget: the file an extraction or copy writes. A new target is
// created in place (exclusively, which also tells that it was new) and
// deleted again unless the write is committed; an existing target is
// replaced through a temporary file beside it, moved onto it only when
// committed, so a failure leaves the old file untouched.

#include <optional>
#include <string>

#include "base/date_time.h"
#include "base/file.h"

namespace vorlan {

class TExtractTarget {
 public:
  // Creates the target when there is none, with its missing directories.
  // When it exists, nothing is opened until OpenBeside. Raises
  // EVorlanCompress "Cannot create the file %s" with target.
  explicit TExtractTarget(const std::string& target);
  ~TExtractTarget();
  TExtractTarget(const TExtractTarget&) = delete;
  TExtractTarget& operator=(const TExtractTarget&) = delete;

  bool Existing() const { return !stream_; }
  // Opens the temporary file that will replace the existing target.
  void OpenBeside();

  TFileStream& Stream() { return *stream_; }
  // Dates the written file, closes it and puts it in the target's place.
  // Raises EVorlanCompress "Cannot set the date of the file just
  // extracted." when the date cannot be set.
  void Commit(TDateTime date);

 private:
  std::string target_;
  std::string written_;  // the target itself, or the temporary file beside it
  std::optional<TFileStream> stream_;
  bool committed_ = false;
};

// Whether date can be given to a file: finite and within the years 1601 to 9999.
bool IsValidFileDate(TDateTime date);

}  // namespace vorlan

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
  // Creates target in place, exclusively, and nothing else: empty when it
  // exists, or its directory does not, or it cannot be made. A caller that
  // must know whether a file is new learns it from the create itself, which
  // costs one lookup of the name where asking first would cost two.
  static std::optional<TExtractTarget> Claim(const std::string& target);
  ~TExtractTarget();
  TExtractTarget(TExtractTarget&& other) noexcept;
  TExtractTarget(const TExtractTarget&) = delete;
  TExtractTarget& operator=(const TExtractTarget&) = delete;

  const std::string& Path() const { return target_; }

  bool Existing() const { return !stream_; }
  // Opens the temporary file that will replace the existing target.
  void OpenBeside();

  TFileStream& Stream() { return *stream_; }
  // Dates the written file, closes it and puts it in the target's place.
  // Raises EVorlanCompress "Cannot set the date of the file just
  // extracted." when the date cannot be set.
  void Commit(TDateTime date);

 private:
  TExtractTarget(const std::string& target, TFileStream stream);

  std::string target_;
  std::string written_;  // the target itself, or the temporary file beside it
  std::optional<TFileStream> stream_;
  bool committed_ = false;
};

// Whether date can be given to a file: finite and within the years 1601 to 9999.
bool IsValidFileDate(TDateTime date);

}  // namespace vorlan

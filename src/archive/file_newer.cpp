#include "archive/file_newer.h"

#include <cmath>
#include <cstdint>
#include <optional>

#include "archive/archive_hooks.h"
#include "base/file.h"
#include "base/strings.h"

namespace vorlan {

namespace {
// Dates compare at the two-second resolution of the file systems we install
// to, as whole stamps: comparing the doubles themselves would let the x87's
// extra precision tell apart two values that are the same date.
int64_t TwoSecondStamp(TDateTime date) {
  int64_t ms = std::llround(date * 86400000.0);
  return ms / 2000 - (ms % 2000 < 0);
}

TFileNewerResult ByDate(TDateTime new_date, TDateTime existing_date) {
  int64_t a = TwoSecondStamp(new_date), b = TwoSecondStamp(existing_date);
  if (a > b) return fnrNewer;
  if (a == b) return fnrSame;
  return fnrOlder;
}

TFileNewerResult ByVersion(const std::string& new_version, const std::string& existing_version) {
  static const TFileNewerResult kResults[] = {fnrSame, fnrNewer, fnrOlder};
  return kResults[CompareVersions(new_version, existing_version)];
}

// The date branch as IsFileNewer and IsFileNewerByName share it: an
// unreadable date leaves the question undecided.
TFileNewerResult Decide(TOverwriteType rule, const std::string& new_version, const std::string& existing,
                        const std::optional<TDateTime>& new_date) {
  switch (rule) {
    case owAlways:
      return fnrNewer;
    case owNever:
      return !Trim(existing).empty() && FileExists(existing) ? fnrOlder : fnrNewer;
    case owAsk:
      return fnrAsk;
    case owVersion:
      return ByVersion(new_version, ReadArchiveFileVersion(existing));
    case owVersionDate: {
      TFileNewerResult by_version = ByVersion(new_version, ReadArchiveFileVersion(existing));
      if (by_version != fnrSame) return by_version;
      [[fallthrough]];
    }
    case owDate: {
      auto existing_date = FileLastWriteTime(existing);
      if (!new_date || !existing_date) return fnrUnknown;
      return ByDate(*new_date, *existing_date);
    }
  }
  return fnrUnknown;
}
}  // namespace

int CompareVersions(const std::string& a, const std::string& b) {
  for (int n = 1;; ++n) {
    std::string field_a = ExtractField(a, n, '.'), field_b = ExtractField(b, n, '.');
    if (field_a.empty() && field_b.empty()) return 0;
    if (field_b.empty()) return 1;
    if (field_a.empty()) return 2;
    auto number_a = TryStrToInt(field_a), number_b = TryStrToInt(field_b);
    if (number_a && number_b) {
      if (*number_b > *number_a) return 2;
      if (*number_b < *number_a) return 1;
    } else if (field_a != field_b) {
      return field_a < field_b ? 2 : 1;
    }
  }
}

TFileNewerResult IsFileNewer(const std::string& new_version, const std::string& existing, TOverwriteType rule,
                             TDateTime new_date) {
  return Decide(rule, new_version, existing, new_date);
}

TFileNewerResult IsFileNewerByName(const std::string& new_file, const std::string& existing,
                                   TOverwriteType rule) {
  std::string new_version = rule == owVersion || rule == owVersionDate ? ReadArchiveFileVersion(new_file) : "";
  return Decide(rule, new_version, existing, FileLastWriteTime(new_file));
}

}  // namespace vorlan

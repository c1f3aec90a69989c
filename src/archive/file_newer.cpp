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

// The date of a file opened for reading, as a reader would see it: none when
// it cannot be opened.
std::optional<TDateTime> OpenedFileDate(const std::string& path) {
  auto file = TFileStream::TryOpen(path, TFileMode::Read);
  if (!file) return std::nullopt;
  return file->LastWriteTime();
}

// The rule's answer; versions and dates are read only when it needs them. An
// unreadable date leaves the question undecided.
TFileNewerResult Decide(TOverwriteType rule, const std::string& new_version, const std::string& existing,
                        const std::optional<TDateTime>& new_date, const TVersionReader& read_version) {
  auto by_date = [&] {
    auto existing_date = OpenedFileDate(existing);
    if (!new_date || !existing_date) return fnrUnknown;
    return ByDate(*new_date, *existing_date);
  };
  switch (rule) {
    case owAlways:
      return fnrNewer;
    case owNever:
      return !Trim(existing).empty() && FileExists(existing) ? fnrOlder : fnrNewer;
    case owAsk:
      return fnrAsk;
    case owVersion:
      return ByVersion(new_version, read_version(existing));
    case owVersionDate: {
      TFileNewerResult by_version = ByVersion(new_version, read_version(existing));
      return by_version == fnrSame ? by_date() : by_version;
    }
    case owDate:
      return by_date();
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
                             TDateTime new_date, const TVersionReader& read_version) {
  return Decide(rule, new_version, existing, new_date, read_version);
}

TFileNewerResult IsFileNewerByName(const std::string& new_file, const std::string& existing, TOverwriteType rule,
                                   const TVersionReader& read_version) {
  bool versions = rule == owVersion || rule == owVersionDate;
  std::string new_version = versions ? read_version(new_file) : "";
  std::optional<TDateTime> new_date = rule == owAlways || rule == owNever || rule == owAsk || rule == owVersion
                                          ? std::nullopt
                                          : OpenedFileDate(new_file);
  return Decide(rule, new_version, existing, new_date, read_version);
}

}  // namespace vorlan

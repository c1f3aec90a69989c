#include "base/date_time.h"

#include <chrono>
#include <cmath>
#include <optional>

#include "base/exceptions.h"

namespace vorlan {

namespace {
constexpr int64_t kMsPerDay = 86400000;
constexpr int64_t kTicksPerMs = 10000;
// Days from 1601-01-01 (file times) to 1899-12-30 (date-times).
constexpr int64_t kEpochDays = 109205;
// 0001-01-01, and the first millisecond after the last file time, in
// milliseconds since 1899-12-30.
constexpr int64_t kFirstMs = -693593 * kMsPerDay;
constexpr int64_t kEndMs = INT64_MAX / kTicksPerMs - kEpochDays * kMsPerDay + 1;

constexpr std::chrono::sys_days kDateTimeEpoch =
    std::chrono::sys_days(std::chrono::year(1899) / std::chrono::December / 30);

// A value from a damaged file must not overflow the arithmetic below.
int64_t ToMilliseconds(TDateTime value) {
  double ms = std::round(value * kMsPerDay);
  if (!(ms >= static_cast<double>(kFirstMs) && ms < static_cast<double>(kEndMs))) {
    throw EConvertError("Date-time value out of range");
  }
  return static_cast<int64_t>(ms);
}

TDateTime FromMilliseconds(int64_t ms) { return static_cast<double>(ms) / kMsPerDay; }

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

std::optional<std::chrono::year_month_day> ValidDate(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;
  std::chrono::year_month_day date{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                                   std::chrono::day(static_cast<unsigned>(day))};
  if (!date.ok()) return std::nullopt;
  return date;
}

bool ValidTime(int hour, int minute, int second, int millisecond) {
  return hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60 &&
         millisecond >= 0 && millisecond < 1000;
}
}  // namespace

TDateTime FileTimeTicksToDateTime(int64_t ticks) {
  return FromMilliseconds(FloorDiv(ticks, kTicksPerMs) - kEpochDays * kMsPerDay);
}

int64_t DateTimeToFileTimeTicks(TDateTime value) {
  return (ToMilliseconds(value) + kEpochDays * kMsPerDay) * kTicksPerMs;
}

TDateTime TruncateToTwoSeconds(TDateTime value) {
  return FromMilliseconds(FloorDiv(ToMilliseconds(value), 2000) * 2000);
}

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                         int millisecond) {
  auto date = ValidDate(year, month, day);
  if (!date || !ValidTime(hour, minute, second, millisecond)) {
    throw EConvertError(Format("Invalid date or time: %.4d-%.2d-%.2d %.2d:%.2d:%.2d.%.3d", year, month, day,
                               hour, minute, second, millisecond));
  }
  int64_t days = (std::chrono::sys_days(*date) - kDateTimeEpoch).count();
  return FromMilliseconds(days * kMsPerDay + ((hour * 60 + minute) * 60 + second) * 1000LL + millisecond);
}

TDateTimeParts DecodeDateTime(TDateTime value) {
  using namespace std::chrono;
  int64_t ms = ToMilliseconds(value);
  int64_t day_number = FloorDiv(ms, kMsPerDay);
  int64_t in_day = ms - day_number * kMsPerDay;
  year_month_day ymd(kDateTimeEpoch + days(day_number));
  return {static_cast<int>(ymd.year()),
          static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day())),
          static_cast<int>(in_day / 3600000),
          static_cast<int>(in_day / 60000 % 60),
          static_cast<int>(in_day / 1000 % 60),
          static_cast<int>(in_day % 1000)};
}

}  // namespace vorlan

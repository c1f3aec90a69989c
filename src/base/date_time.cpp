#include "base/date_time.h"

#include <chrono>
#include <cmath>

namespace vorlan {

namespace {
constexpr int64_t kMsPerDay = 86400000;
constexpr int64_t kTicksPerMs = 10000;
// Days from 1601-01-01 (file times) to 1899-12-30 (date-times).
constexpr int64_t kEpochDays = 109205;

int64_t ToMilliseconds(TDateTime value) { return std::llround(value * kMsPerDay); }
TDateTime FromMilliseconds(int64_t ms) { return static_cast<double>(ms) / kMsPerDay; }

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
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
  using namespace std::chrono;
  auto days = sys_days(std::chrono::year(year) / month / day) - sys_days(1899y / December / 30);
  int64_t ms = days.count() * kMsPerDay + ((hour * 60 + minute) * 60 + second) * 1000LL + millisecond;
  return FromMilliseconds(ms);
}

TDateTimeParts DecodeDateTime(TDateTime value) {
  using namespace std::chrono;
  int64_t ms = ToMilliseconds(value);
  int64_t day_number = FloorDiv(ms, kMsPerDay);
  int64_t in_day = ms - day_number * kMsPerDay;
  year_month_day ymd(sys_days(1899y / December / 30) + days(day_number));
  return {static_cast<int>(ymd.year()),
          static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day())),
          static_cast<int>(in_day / 3600000),
          static_cast<int>(in_day / 60000 % 60),
          static_cast<int>(in_day / 1000 % 60),
          static_cast<int>(in_day % 1000)};
}

}  // namespace vorlan

#include "base/date_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/exceptions.h"

namespace vorlan {
namespace {

constexpr int64_t kTicksPerMs = 10000;
constexpr int64_t kTicksPerDay = 864000000000LL;
// Known file times (UTC ticks since 1601).
constexpr int64_t k1970 = 116444736000000000LL;
constexpr int64_t k1980 = 119600064000000000LL;
constexpr int64_t k2000 = 125911584000000000LL;

TEST(DateTime, KnownValues) {
  EXPECT_EQ(EncodeDateTime(1899, 12, 30), 0.0);
  EXPECT_EQ(EncodeDateTime(1900, 1, 1), 2.0);
  EXPECT_EQ(EncodeDateTime(2000, 1, 1), 36526.0);
  EXPECT_EQ(EncodeDateTime(2000, 1, 1, 12), 36526.5);
  EXPECT_EQ(EncodeDateTime(1899, 12, 29, 6), -0.75);
  EXPECT_EQ(EncodeDateTime(1601, 1, 1), FileTimeTicksToDateTime(0));
  EXPECT_EQ(FileTimeTicksToDateTime(k1970), EncodeDateTime(1970, 1, 1));
  EXPECT_EQ(FileTimeTicksToDateTime(k1980), EncodeDateTime(1980, 1, 1));
  EXPECT_EQ(FileTimeTicksToDateTime(k2000), 36526.0);
  EXPECT_EQ(DateTimeToFileTimeTicks(36526.0), k2000);
  EXPECT_EQ(DateTimeToFileTimeTicks(EncodeDateTime(2000, 1, 1, 0, 0, 1, 1)), k2000 + 10010000);
}

TEST(DateTime, FileTimesConvertThroughWholeMilliseconds) {
  for (int64_t day = 0; day < 200 * 366; day += 37) {
    for (int64_t ms : {0LL, 1LL, 999LL, 43200000LL, 86399999LL}) {
      int64_t ticks = k1980 + day * kTicksPerDay + ms * kTicksPerMs;
      ASSERT_EQ(DateTimeToFileTimeTicks(FileTimeTicksToDateTime(ticks)), ticks) << ticks;
      // Finer ticks are dropped, never rounded up into the next millisecond.
      ASSERT_EQ(DateTimeToFileTimeTicks(FileTimeTicksToDateTime(ticks + 9999)), ticks) << ticks;
    }
  }
  EXPECT_EQ(FileTimeTicksToDateTime(-1), FileTimeTicksToDateTime(-kTicksPerMs));
  int64_t last = std::numeric_limits<int64_t>::max() / kTicksPerMs * kTicksPerMs;
  EXPECT_EQ(DateTimeToFileTimeTicks(FileTimeTicksToDateTime(std::numeric_limits<int64_t>::max())), last);
}

TEST(DateTime, EncodeDecodeRoundTripFrom1980To2100) {
  TDateTime previous = -1;
  for (int year = 1980; year <= 2100; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= 31; ++day) {
        bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        if (day > kDays[month - 1] + (month == 2 && leap ? 1 : 0)) {
          ASSERT_THROW(EncodeDateTime(year, month, day), EConvertError) << year << "-" << month << "-" << day;
          continue;
        }
        int hour = day % 24, minute = (day * 7) % 60, second = (day * 13) % 60, ms = (day * 37) % 1000;
        TDateTime value = EncodeDateTime(year, month, day, hour, minute, second, ms);
        ASSERT_GT(value, previous);
        previous = value;
        TDateTimeParts parts = DecodeDateTime(value);
        ASSERT_EQ(parts.year, year);
        ASSERT_EQ(parts.month, month);
        ASSERT_EQ(parts.day, day);
        ASSERT_EQ(parts.hour, hour);
        ASSERT_EQ(parts.minute, minute);
        ASSERT_EQ(parts.second, second);
        ASSERT_EQ(parts.millisecond, ms);
        ASSERT_EQ(DecodeDateTime(EncodeDateTime(year, month, day, 23, 59, 59, 999)).millisecond, 999);
      }
    }
  }
}

TEST(DateTime, DecodeBeforeTheEpoch) {
  TDateTimeParts parts = DecodeDateTime(-0.75);
  EXPECT_EQ(parts.year, 1899);
  EXPECT_EQ(parts.month, 12);
  EXPECT_EQ(parts.day, 29);
  EXPECT_EQ(parts.hour, 6);
  EXPECT_EQ(DecodeDateTime(EncodeDateTime(1, 1, 1)).year, 1);
  EXPECT_EQ(DecodeDateTime(EncodeDateTime(9999, 12, 31, 23, 59, 59, 999)).millisecond, 999);
}

TEST(DateTime, InvalidPartsRaise) {
  struct Case {
    int year, month, day, hour, minute, second, ms;
  } cases[] = {
      {2023, 2, 29, 0, 0, 0, 0}, {2000, 13, 1, 0, 0, 0, 0}, {2000, 0, 1, 0, 0, 0, 0},
      {2000, 1, 0, 0, 0, 0, 0},  {2000, 1, 32, 0, 0, 0, 0}, {0, 1, 1, 0, 0, 0, 0},
      {10000, 1, 1, 0, 0, 0, 0}, {2000, 1, 1, 24, 0, 0, 0}, {2000, 1, 1, 0, 60, 0, 0},
      {2000, 1, 1, 0, 0, 60, 0}, {2000, 1, 1, 0, 0, 0, 1000}, {2000, 1, 1, -1, 0, 0, 0},
      {2000, -1, 1, 0, 0, 0, 0}, {2000, 1, 1, 0, 0, 0, -1},
  };
  for (const auto& c : cases) {
    EXPECT_THROW(EncodeDateTime(c.year, c.month, c.day, c.hour, c.minute, c.second, c.ms), EConvertError)
        << c.year << "-" << c.month << "-" << c.day << " " << c.hour << ":" << c.minute << ":" << c.second;
  }
  EXPECT_NO_THROW(EncodeDateTime(2000, 2, 29));
  EXPECT_THROW(EncodeDateTime(1900, 2, 29), EConvertError);
}

TEST(DateTime, DamagedValuesRaiseInsteadOfOverflowing) {
  const double values[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity(), 1e300, -1e300, 1e10, -693594.0};
  for (double value : values) {
    EXPECT_THROW(DateTimeToFileTimeTicks(value), EConvertError) << value;
    EXPECT_THROW(TruncateToTwoSeconds(value), EConvertError) << value;
    EXPECT_THROW(DecodeDateTime(value), EConvertError) << value;
  }
}

TEST(DateTime, TruncateToTwoSeconds) {
  struct Case {
    int second, ms, expected_second;
  } cases[] = {{0, 0, 0}, {0, 999, 0}, {1, 0, 0}, {1, 999, 0}, {2, 0, 2}, {3, 500, 2}, {58, 1, 58}, {59, 999, 58}};
  for (const auto& c : cases) {
    EXPECT_EQ(TruncateToTwoSeconds(EncodeDateTime(2004, 6, 15, 10, 20, c.second, c.ms)),
              EncodeDateTime(2004, 6, 15, 10, 20, c.expected_second))
        << c.second << "." << c.ms;
  }
  // Before the epoch the stamp still rounds towards the earlier moment.
  EXPECT_EQ(TruncateToTwoSeconds(EncodeDateTime(1899, 12, 29, 23, 59, 59, 500)),
            EncodeDateTime(1899, 12, 29, 23, 59, 58));
  TDateTime stamp = TruncateToTwoSeconds(EncodeDateTime(2030, 1, 1, 0, 0, 7, 300));
  EXPECT_EQ(TruncateToTwoSeconds(stamp), stamp);
}

TEST(DateTime, NowIsRecent) {
  TDateTime now = Now();
  EXPECT_GT(now, EncodeDateTime(2020, 1, 1));
  EXPECT_LT(now, EncodeDateTime(2100, 1, 1));
}

}  // namespace
}  // namespace vorlan

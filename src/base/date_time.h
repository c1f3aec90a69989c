#pragma once
// TDateTime: days since 1899-12-30 as a double, the fraction being the time
// of day; earlier moments are negative and count the same way (-0.75 is
// 1899-12-29 06:00). Conversions go through whole milliseconds, so a value
// read from a file time and written back gives the same file time to the
// millisecond. Values run from 0001-01-01 to the last file time (in 30828);
// a conversion given a value outside them (or not a number) raises
// EConvertError, so a damaged date cannot overflow.

#include <cstdint>

namespace vorlan {

using TDateTime = double;

// 100-nanosecond ticks since 1601-01-01, in whatever zone the caller chose.
// Ticks finer than a millisecond are dropped (rounded down).
TDateTime FileTimeTicksToDateTime(int64_t ticks);
int64_t DateTimeToFileTimeTicks(TDateTime value);

// Drops the odd second and the fraction: the resolution of FAT time stamps,
// at which the system compares file dates.
TDateTime TruncateToTwoSeconds(TDateTime value);

// Years 1 to 9999. Raises EConvertError for a date or time that does not exist.
TDateTime EncodeDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                         int millisecond = 0);

struct TDateTimeParts {
  int year, month, day, hour, minute, second, millisecond;
};
TDateTimeParts DecodeDateTime(TDateTime value);

// The current local date and time.
TDateTime Now();

}  // namespace vorlan

#include "archive/file_stats.h"

namespace vorlan {

uint8_t PercentOf(int64_t part, int64_t whole) {
  if (whole <= 0 || part <= 0) return 0;
  int64_t percent = (part * 100 + whole / 2) / whole;
  return static_cast<uint8_t>(percent > 255 ? 255 : percent);
}

int32_t Saturated32(int64_t value) { return value > INT32_MAX ? INT32_MAX : static_cast<int32_t>(value); }

}  // namespace vorlan

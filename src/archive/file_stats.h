#pragma once
// TlzhFileStats: the progress record of the archive component, one per
// component, handed to every event.

#include <cstdint>
#include <string>

#include "archive/file_header_record.h"

namespace vorlan {

struct TlzhFileStats {
  uint8_t FilePercentDone = 0;
  int32_t BytesDone = 0;
  std::string FileName;
  int32_t CompressedSize = 0;
  uint8_t Ratio = 0;
  int32_t FileSize = 0;
  TFileHeaderRecord Header;
  bool Finished = false;
  uint8_t TotalPercentDone = 0;
  int32_t TotalDone = 0;
  int32_t TotalCompressed = 0;
  uint8_t TotalRatio = 0;
  int32_t TotalSize = 0;
};

// part / whole × 100, rounded; 0 when whole is not positive. A ratio above
// 255 (a tiny file that grew) is reported as 255, the most the field holds.
uint8_t PercentOf(int64_t part, int64_t whole);

// A count for the record's 32-bit fields: the largest they hold when it is larger.
int32_t Saturated32(int64_t value);

}  // namespace vorlan

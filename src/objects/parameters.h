#pragma once
// The parameter objects that stage codes, information codes and events
// carry (in a TReport, report.h). The reporter creates one, reports, and
// frees it.

#include <cstdint>
#include <string>

#include "archive/file_stats.h"

namespace vorlan {

class TMessageParameter {
 public:
  explicit TMessageParameter(std::string text = {}) : text_(std::move(text)) {}
  const std::string& Text() const { return text_; }
  void SetText(std::string text) { text_ = std::move(text); }

 private:
  std::string text_;
};

class TFileStatusParameter {
 public:
  int32_t BytesDone = 0;
  int32_t FilePercentDone = 0;
  std::string FileName;
  TlzhFileStats FileStats;
  int32_t TotalDone = 0;
  int32_t TotalPercentDone = 0;
};

class TDiskParameter {
 public:
  int32_t NewDisk = 0;
  // Where the part is expected; a handler may change it.
  std::string Path;
  // A container's handler answered for the disk: the file asks no one.
  bool Served = false;
};

class TDownloadStatusParameter {
 public:
  int32_t Bytes = 0;
  std::string FileName;
  int32_t FileSize = 0;
  int32_t TotalBytes = 0;
  int32_t PercentDone = 0;
};

}  // namespace vorlan

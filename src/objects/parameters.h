#pragma once
// The parameter objects that stage codes, information codes and events
// carry. The reporter creates one, reports, and frees it.

#include <cstdint>
#include <string>
#include <vector>

#include "archive/file_stats.h"
#include "component/persistent.h"

namespace vorlan {

class TMessageParameter : public TObject {
 public:
  explicit TMessageParameter(std::string text = {}) : text_(std::move(text)) {}
  const std::string& Text() const { return text_; }
  void SetText(std::string text) { text_ = std::move(text); }

 private:
  std::string text_;
};

class TFileStatusParameter : public TObject {
 public:
  int32_t BytesDone = 0;
  int32_t FilePercentDone = 0;
  std::string FileName;
  TlzhFileStats FileStats;
  int32_t TotalDone = 0;
  int32_t TotalPercentDone = 0;
};

class TDiskParameter : public TObject {
 public:
  int32_t NewDisk = 0;
  // Where the part is expected; a handler may change it.
  std::string Path;
  // A container's handler answered for the disk: the file asks no one.
  bool Served = false;
};

class TDownloadStatusParameter : public TObject {
 public:
  int32_t Bytes = 0;
  std::string FileName;
  int32_t FileSize = 0;
  int32_t TotalBytes = 0;
  int32_t PercentDone = 0;
};

// A report of several objects: a file and its status or disk parameter.
class TObjectList : public TObject {
 public:
  TObjectList() = default;
  TObjectList(std::initializer_list<TObject*> items) : items_(items) {}
  int Count() const { return static_cast<int>(items_.size()); }
  TObject* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
  void Add(TObject* item) { items_.push_back(item); }

 private:
  std::vector<TObject*> items_;
};

}  // namespace vorlan

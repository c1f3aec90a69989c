#pragma once
// Works in another directory for as long as it lives, so that a library
// finds the files it depends on beside it; errors are ignored, the work
// runs wherever it can.

#include <windows.h>

#include <string>

namespace vorlan {

class TCurrentDirectoryScope {
 public:
  explicit TCurrentDirectoryScope(const std::string& directory) {
    char buffer[MAX_PATH + 1] = {};
    if (GetCurrentDirectoryA(sizeof buffer, buffer)) saved_ = buffer;
    SetCurrentDirectoryA(directory.c_str());
  }
  ~TCurrentDirectoryScope() {
    if (!saved_.empty()) SetCurrentDirectoryA(saved_.c_str());
  }
  TCurrentDirectoryScope(const TCurrentDirectoryScope&) = delete;
  TCurrentDirectoryScope& operator=(const TCurrentDirectoryScope&) = delete;

 private:
  std::string saved_;
};

}  // namespace vorlan

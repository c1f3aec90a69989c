#pragma once
// OLE ready on this thread for as long as the object lives; a thread where
// it could not start is left as it was.

#include <windows.h>
#include <ole2.h>

namespace vorlan {

class TOleScope {
 public:
  TOleScope() : initialized_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~TOleScope() {
    if (initialized_) OleUninitialize();
  }
  TOleScope(const TOleScope&) = delete;
  TOleScope& operator=(const TOleScope&) = delete;

 private:
  bool initialized_;
};

}  // namespace vorlan

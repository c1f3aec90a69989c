#pragma once
// TIntegrityCheck: the digest at the end of a checksummed setup executable,
// computed on a second thread while the setup program is unpacked and its
// process made ready, so the two no longer follow one another. Nothing of
// the setup runs before Confirm has returned. The thread is a plain system
// thread that is only ever waited for: no condition variable is involved,
// which the oldest systems could not serve.

#include <exception>
#include <string>

#include "system/unique_handle.h"

namespace vorlan {

class TIntegrityCheck {
 public:
  // Starts the check of path against expected; an empty expected digest
  // (an executable without one) holds at once. Without a second thread to
  // be had, the digest is computed here.
  TIntegrityCheck(std::string path, std::string expected);
  // Waits for the thread, whatever became of the check.
  ~TIntegrityCheck();
  TIntegrityCheck(const TIntegrityCheck&) = delete;
  TIntegrityCheck& operator=(const TIntegrityCheck&) = delete;

  // Waits for the digest; raises ELoaderError for a damaged executable and
  // passes on an error of reading it, as often as it is asked.
  void Confirm();

 private:
  static unsigned __stdcall Run(void* check);
  void Check();

  std::string path_;
  std::string expected_;
  TUniqueKernelHandle thread_;
  // Written by the thread, read only once it has ended.
  bool holds_ = true;
  std::exception_ptr error_;
};

}  // namespace vorlan

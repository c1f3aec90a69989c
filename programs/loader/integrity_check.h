#pragma once
// TIntegrityCheck: the digest at the end of a checksummed setup executable,
// computed on a second thread while the setup program is unpacked and its
// process made ready, so the two no longer follow one another. Nothing of
// the setup runs before Confirm has returned.

#include <future>
#include <string>

namespace vorlan {

class TIntegrityCheck {
 public:
  // Starts the check of path against expected; an empty expected digest
  // (an executable without one) holds at once.
  TIntegrityCheck(std::string path, std::string expected);
  // Waits for the thread, whatever became of the check.
  ~TIntegrityCheck();
  TIntegrityCheck(const TIntegrityCheck&) = delete;
  TIntegrityCheck& operator=(const TIntegrityCheck&) = delete;

  // Waits for the digest; raises ELoaderError for a damaged executable and
  // passes on an error of reading it, as often as it is asked.
  void Confirm();

 private:
  std::string path_;
  std::shared_future<bool> holds_;
};

}  // namespace vorlan

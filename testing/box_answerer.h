#pragma once
// Answers every message box with a caption as a user would, until the
// object goes: a thread waits for each box to show its text, lets the
// test act on it (change the disk in the drive, say) and presses the
// button the test names.

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vorlan::testing {

class TBoxAnswerer {
 public:
  // Called on the answering thread with the box's text; answers the label
  // of the button to press.
  using TAnswer = std::function<std::string(const std::string& text)>;
  // Presses the button with that label on every box.
  static TAnswer Always(std::string label);

  TBoxAnswerer(std::string caption, TAnswer answer);
  ~TBoxAnswerer();
  TBoxAnswerer(const TBoxAnswerer&) = delete;
  TBoxAnswerer& operator=(const TBoxAnswerer&) = delete;

  // The texts of the boxes answered so far.
  std::vector<std::string> Texts();

 private:
  void Run();
  bool AnswerOne();

  std::string caption_;
  TAnswer answer_;
  std::mutex mutex_;
  std::vector<std::string> texts_;
  std::atomic<bool> done_{false};
  std::thread thread_;
};

}  // namespace vorlan::testing

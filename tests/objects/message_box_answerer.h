#pragma once
// Answers a message box as a user would: a thread waits for a dialog window
// with the caption, reads its text and presses the button with the label.

#include <atomic>
#include <string>
#include <thread>

namespace vorlan::file_test {

class TMessageBoxAnswerer {
 public:
  TMessageBoxAnswerer(std::string caption, std::string button);
  // Waits for the thread; a box that never came leaves Text() empty.
  ~TMessageBoxAnswerer();
  TMessageBoxAnswerer(const TMessageBoxAnswerer&) = delete;
  TMessageBoxAnswerer& operator=(const TMessageBoxAnswerer&) = delete;

  // The box's message, once it was answered.
  std::string Text();

 private:
  void Run();

  std::string caption_;
  std::string button_;
  std::string text_;
  std::atomic<bool> done_{false};
  std::thread thread_;
};

}  // namespace vorlan::file_test

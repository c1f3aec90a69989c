#pragma once
// Answers the message boxes with a caption that one process shows, as a
// user would, until the object goes: a thread waits for each box to show
// its text, lets the test act on it (change the disk in the drive, say)
// and presses the button the test names. Tests run at the same time in one
// Wine prefix, so a box of any other process is never touched.

#include <windows.h>

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
  // No process yet: the answerer of a program that is still to be started.
  static constexpr DWORD kNoProcess = 0;

  // Answers the boxes of the process with that id: the test's own unless
  // another is named.
  TBoxAnswerer(std::string caption, TAnswer answer, DWORD process_id = GetCurrentProcessId());
  ~TBoxAnswerer();
  TBoxAnswerer(const TBoxAnswerer&) = delete;
  TBoxAnswerer& operator=(const TBoxAnswerer&) = delete;

  // From now on the boxes of this process are answered.
  void Watch(DWORD process_id) { process_id_ = process_id; }
  // The texts of the boxes answered so far.
  std::vector<std::string> Texts();

 private:
  void Run();
  bool AnswerOne();

  std::string caption_;
  TAnswer answer_;
  std::atomic<DWORD> process_id_;
  std::mutex mutex_;
  std::vector<std::string> texts_;
  std::atomic<bool> done_{false};
  std::thread thread_;
};

// The visible box with that caption that the process shows, or none.
HWND FindProcessBox(const std::string& caption, DWORD process_id);

}  // namespace vorlan::testing

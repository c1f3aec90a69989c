#pragma once
// Runs a program to its end as a test does with a tool of the system: its
// standard output and error are collected, and one that does not end in
// time is ended and reported.

#include <windows.h>

#include <functional>
#include <string>

namespace vorlan::testing {

struct TProgramRun {
  bool started = false;
  bool ended = false;
  DWORD exit_code = 0;
  // Standard output and error together, line ends as the program wrote them.
  std::string output;
};

// Told the id of the process once it is started, before it is waited for
// (a box answerer learns whose boxes to answer).
using TProgramStarted = std::function<void(DWORD process_id)>;

// command_line is the program (quoted when it holds blanks) and its
// arguments, as Windows passes them.
TProgramRun RunProgram(const std::string& command_line, DWORD timeout_ms = 60000,
                       const TProgramStarted& started = {});

}  // namespace vorlan::testing

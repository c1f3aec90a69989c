#pragma once
// The end of the build and floppy modes: whatever happened, the program
// ends, and a failure is first shown to the person who started it.

#include <functional>

namespace vorlan {

// Runs mode; an exception leaving it is shown in a message box (the exit
// code becomes 1). Then lets pending messages through and ends the
// application.
void RunModeToEnd(const std::function<void()>& mode);

// Lets the user interface handle what is waiting, during long copies.
void ProcessPendingMessages();

}  // namespace vorlan

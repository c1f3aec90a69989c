#pragma once
// The program file of the running process (not of a library the engine
// may be loaded in): what the after-reboot run starts again and what the
// cleanup batch erases.

#include <string>

namespace vorlan {

std::string RunningProgramPath();

}  // namespace vorlan

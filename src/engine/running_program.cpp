#include "engine/running_program.h"

#include <windows.h>

namespace vorlan {

std::string RunningProgramPath() {
  char path[MAX_PATH + 2] = {};
  DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  return std::string(path, length);
}

}  // namespace vorlan

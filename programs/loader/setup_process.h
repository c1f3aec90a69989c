#pragma once
// TSetupProcess: the setup program, started with the loader's show state and
// standard handles (so an unattended run's errors reach the same stream),
// waited for until it ends.

#include <string>

#include "system/unique_handle.h"

namespace vorlan {

class TSetupProcess {
 public:
  // Raises ELoaderError when the program cannot be started.
  TSetupProcess(const std::string& program, const std::string& command_line);
  // Waits for the program to end and answers its exit code.
  int Wait();

 private:
  TUniqueKernelHandle process_;
};

}  // namespace vorlan

#pragma once
// TSetupProcess: the setup program, made ready with the loader's show state
// and standard handles (so an unattended run's errors reach the same stream)
// but held before its first instruction until Start, and waited for until
// it ends. One that never starts is ended again when the object goes.

#include <string>

#include "system/unique_handle.h"

namespace vorlan {

class TSetupProcess {
 public:
  // Raises ELoaderError when the program cannot be loaded.
  TSetupProcess(const std::string& program, const std::string& command_line);
  ~TSetupProcess();
  TSetupProcess(const TSetupProcess&) = delete;
  TSetupProcess& operator=(const TSetupProcess&) = delete;

  // Lets the program run. Raises ELoaderError when it cannot.
  void Start();
  // Waits for the program to end and answers its exit code.
  int Wait();

 private:
  std::string program_;
  TUniqueKernelHandle process_;
  TUniqueKernelHandle thread_;
  bool started_ = false;
};

}  // namespace vorlan

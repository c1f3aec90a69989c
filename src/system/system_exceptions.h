#pragma once
// The failures of the operating-system helpers.

#include "base/exceptions.h"

namespace vorlan {

VORLAN_EXCEPTION(EAPIRoutines, EVorlanAbnormal);
VORLAN_EXCEPTION(EProgramLauncher, EVorlanAbnormal);

// A process could not be started; ErrorCode is the launch code the message
// was chosen by.
class EProgramLauncherFailed : public EProgramLauncher {
 public:
  EProgramLauncherFailed(std::string message, int error_code)
      : EProgramLauncher(std::move(message)), error_code_(error_code) {}
  int ErrorCode() const { return error_code_; }

 private:
  int error_code_;
};

VORLAN_EXCEPTION(IEInstallHardLink, IException);

// The registry helpers' write failure; its text is not translated.
VORLAN_EXCEPTION(EIRCannotWriteValue, EVorlanAbnormal);
// The registry accessor's own failures (a value that cannot be written).
VORLAN_EXCEPTION(ERegistryException, Exception);

}  // namespace vorlan

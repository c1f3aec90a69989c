// The language of a run that asked for a reboot, kept in the install record
// so that the run after the reboot speaks it too.

#include "base/exceptions.h"
#include "engine/engine_errors.h"
#include "engine/install_record.h"
#include "system/registry_routines.h"

namespace vorlan {

namespace {
constexpr const char* kLanguageValue = "Language";
}  // namespace

int TInstallRecord::ReadLanguage(int current) const {
  if (key_.empty()) return current;
  return ReadRegInteger(hkLocalMachine, key_, kLanguageValue, current);
}

void TInstallRecord::WriteLanguage(int language) {
  // Without a record the value would land in the root of the machine's keys.
  if (key_.empty()) throw IEInstall(engine_error::kNoUnfinishedList);
  WriteRegInteger(hkLocalMachine, key_, kLanguageValue, language);
}

}  // namespace vorlan

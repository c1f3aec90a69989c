// The language of a run that asked for a reboot, kept in the install record
// so that the run after the reboot speaks it too.

#include "engine/custom_install.h"
#include "engine/engine_errors.h"
#include "engine/translator_language.h"
#include "objects/objects_module.h"
#include "system/registry_routines.h"

namespace vorlan {

namespace {
constexpr const char* kLanguageValue = "Language";
}  // namespace

int TCustomInstall::ReadLanguage() {
  TComponent* translator = FindTranslator(Owner());
  int current = translator ? TranslateIntoLanguage(*translator) : kUserLanguage;
  const std::string& record = ObjectsState().install_record_key;
  if (record.empty()) return current;
  return ReadRegInteger(hkLocalMachine, record, kLanguageValue, current);
}

void TCustomInstall::WriteLanguage() {
  TComponent* translator = FindTranslator(Owner());
  if (!translator) return;
  const std::string& record = ObjectsState().install_record_key;
  // Without a record the value would land in the root of the machine's keys.
  if (record.empty()) throw IEInstall(engine_error::kNoUnfinishedList);
  WriteRegInteger(hkLocalMachine, record, kLanguageValue, TranslateIntoLanguage(*translator));
}

}  // namespace vorlan

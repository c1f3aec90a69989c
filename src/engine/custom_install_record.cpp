// What the engine keeps in its install record: the program it recognises
// the record by, and the translator's language.

#include "base/strings.h"
#include "engine/custom_install.h"
#include "engine/running_program.h"
#include "engine/translator_language.h"

namespace vorlan {

std::string TCustomInstall::RecordedSelfExtract() const {
  if (!HasSwitch(swSelfExtract)) return "";
  return AddBackslash(SwitchText(swSource)) + SwitchText(swSelfExtract);
}

bool TCustomInstall::FindInstallRecord(bool create, std::string& key) {
  return record_.Find(GetModulePath(), RecordedSelfExtract(), create, key);
}

void TCustomInstall::OpenInstallRecord(bool create) { record_.Open(GetModulePath(), RecordedSelfExtract(), create); }

// The translator is found by class name (vlUser without one).
int TCustomInstall::ReadLanguage() {
  TComponent* translator = FindTranslator(Owner());
  return record_.ReadLanguage(translator ? TranslateIntoLanguage(*translator) : kUserLanguage);
}

void TCustomInstall::WriteLanguage() {
  TComponent* translator = FindTranslator(Owner());
  if (translator) record_.WriteLanguage(TranslateIntoLanguage(*translator));
}

void TCustomInstall::RegisterRunOnce() {
  TInstallRecord::RegisterRunOnce(TInstallRecord::RunOnceCommand(
      RunningProgramPath(), GetLoadingProgramPath(), HasSwitch(swSelfExtract), HasSwitch(swCleanup)));
}

}  // namespace vorlan

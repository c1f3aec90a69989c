// The after-reboot run (-r): completes the work that the last run left in
// the unfinished list, then ends as a successful run ends.

#include <optional>
#include <string>

#include "base/file.h"
#include "base/strings.h"
#include "engine/custom_install.h"
#include "engine/engine_errors.h"
#include "engine/run_sequence.h"
#include "engine/translator_language.h"
#include "objects/install_container.h"
#include "objects/objects_module.h"

namespace vorlan {

namespace {
enum TUnfinishedKind { ukResumeObject = 0, ukDeleteFile = 1 };

// The engine itself is passed over: its own resumption is this run.
void ResumeObjectsNamed(const std::string& name, const TInstallContainer* engine) {
  TInstallContainerList* all = AllContainers();
  if (!all) return;
  for (int i = 0; i < all->Count(); ++i) {
    TInstallContainer* object = all->Items(i);
    if (object != engine && SameText(object->Name(), name)) object->ResumeUnfinished();
  }
}

// The kind is a number and follows the last ";": a file's path may hold
// one itself.
void ResumeEntry(const std::string& entry, const TInstallContainer* engine) {
  size_t separator = entry.rfind(';');
  std::optional<int64_t> kind =
      separator == std::string::npos ? std::nullopt : TryStrToInt(std::string_view(entry).substr(separator + 1));
  if (!kind) throw IEInstall(engine_error::kInvalidUnfinishedEntry, entry);
  std::string name = entry.substr(0, separator);
  if (*kind == ukDeleteFile) {
    DeleteFileAt(name);
  } else if (*kind == ukResumeObject) {
    ResumeObjectsNamed(name, engine);
  }
}
}  // namespace

void TRunSequence::ResumeUnfinished() {
  in_progress_ = true;
  engine_.OpenInstallRecord(false);
  if (TComponent* translator = FindTranslator(engine_.Owner())) {
    SetTranslateIntoLanguage(*translator, engine_.ReadLanguage());
  }
  TStringList entries;
  engine_.ReadUnfinishedList(entries);
  engine_.ClearUnfinishedList();
  for (const std::string& entry : entries) ResumeEntry(entry, &engine_);
  // The run after the restart ends as a run without one does.
  FinishRun();
}

}  // namespace vorlan

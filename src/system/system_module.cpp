#include "system/system_module.h"

#include "archive/archive_hooks.h"
#include "component/class_info.h"
#include "component/class_registry.h"
#include "component/program_scope.h"
#include "system/program_launcher.h"
#include "system/version_info.h"
#include "system/version_resource.h"

namespace vorlan {

namespace {
// Lives as long as the scope: the shared instance and the archive's hook
// go with it.
struct TSystemState {
  TSystemState() {
    CreateSharedVersionResource();
    SetArchiveVersionReader(FileVersionOf);
  }
  ~TSystemState() {
    SetArchiveVersionReader(nullptr);
    FreeSharedVersionResource();
  }
  TSystemState(const TSystemState&) = delete;
  TSystemState& operator=(const TSystemState&) = delete;
};
}  // namespace

void RegisterSystemModule(ProgramScope& scope) {
  if (scope.Find<TSystemState>()) return;
  scope.Emplace<TSystemState>();
  Classes().Register(TVersionResource::StaticClassInfo());
  Classes().Register(TProgramLauncher::StaticClassInfo());
}

}  // namespace vorlan

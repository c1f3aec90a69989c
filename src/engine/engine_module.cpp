#include "engine/engine_module.h"

#include "component/class_registry.h"
#include "engine/build_cancelled.h"
#include "engine/install.h"

namespace vorlan {

void RegisterEngineModule(ProgramScope& scope) {
  Classes().Register(TInstall::StaticClassInfo());
  RegisterBuildCancelled(scope);
}

}  // namespace vorlan

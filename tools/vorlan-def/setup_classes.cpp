#include "component/program_scope.h"
#include "definition_classes.h"
#include "engine/engine_module.h"
#include "links/links_module.h"
#include "objects/objects_module.h"
#include "paths/paths_module.h"
#include "widgets/widgets_module.h"

namespace vorlan {

// The modules in the order a setup program registers them.
void RegisterDefinitionClasses(ProgramScope& scope) {
  RegisterWidgetsModule(scope);
  RegisterPathsModule(scope);
  RegisterObjectsModule(scope);
  RegisterLinksModule(scope);
  RegisterEngineModule(scope);
}

}  // namespace vorlan

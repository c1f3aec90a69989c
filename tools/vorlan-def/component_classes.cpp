#include "component/program_scope.h"
#include "definition_classes.h"

namespace vorlan {

// The ProgramScope registers the component module's classes itself.
void RegisterDefinitionClasses(ProgramScope&) {}

}  // namespace vorlan

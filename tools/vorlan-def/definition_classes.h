#pragma once

namespace vorlan {

class ProgramScope;

// Makes the classes this build of the checker knows readable.
void RegisterDefinitionClasses(ProgramScope& scope);

}  // namespace vorlan

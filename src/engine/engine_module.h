#pragma once
// Makes the engine's classes known to the definition reader. It builds on
// the objects, paths and widgets modules, registered before it.

namespace vorlan {

class ProgramScope;

void RegisterEngineModule(ProgramScope& scope);

}  // namespace vorlan

#pragma once
// The system helpers' share of the process-wide state: the shared version
// resource, the archive's reader of member versions, and the streamable
// classes.

namespace vorlan {

class ProgramScope;

void RegisterSystemModule(ProgramScope& scope);

}  // namespace vorlan

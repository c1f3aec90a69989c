#pragma once
// Sets up the path specifiers' share of the process-wide state.

namespace vorlan {

class ProgramScope;

// Creates AllPathSpecifiers, StandardPathSpecifiers and
// PathSpecifierClasses in that order, registers the core specifier classes
// in their fixed order, and makes every specifier class known to the
// definition reader.
void RegisterPathsModule(ProgramScope& scope);

}  // namespace vorlan

#pragma once
// Sets up the path specifiers' share of the process-wide state.

namespace vorlan {

class ProgramScope;

// Creates AllPathSpecifiers, StandardPathSpecifiers and
// PathSpecifierClasses in that order, registers the core specifier classes
// in their fixed order, and makes every specifier class known to the
// definition reader.
void RegisterPathsModule(ProgramScope& scope);

// The next number of the run's name clashes (1, 2, ...): a component that
// must give up its name to a file container's specifier is renamed
// nameClash followed by it.
int NextNameClash();

}  // namespace vorlan

#pragma once
// Sets up the path specifiers' share of the process-wide state.

namespace vorlan {

class ProgramScope;
class TClassInfo;

// Creates AllPathSpecifiers, StandardPathSpecifiers and
// PathSpecifierClasses in that order and makes this module's specifier
// classes known to the definition reader. No class is registered for the
// forms yet: RegisterPathSpecifierClasses does that, once the classes that
// ask the install tree are known too.
void RegisterPathsModule(ProgramScope& scope);

// The specifier classes that rest on the install tree, which the objects
// module defines; a missing one is left out of the registration.
struct TTreeSpecifierClasses {
  const TClassInfo* container_archive_file = nullptr;
  const TClassInfo* container_dest_dir = nullptr;
  const TClassInfo* install_source = nullptr;
  const TClassInfo* main_install = nullptr;
  const TClassInfo* main_archive_file = nullptr;
};

// Registers the core specifier classes, the tree's in their places among
// them, then the Windows folders and the office suite's, in the fixed order
// in which a form receives its instances. Each class is made known to the
// definition reader as well.
void RegisterPathSpecifierClasses(const TTreeSpecifierClasses& tree);

}  // namespace vorlan

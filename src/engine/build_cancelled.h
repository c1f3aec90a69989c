#pragma once
// BuildCancelled: set by an authoring tool to stop the build or the floppy
// transfer that is running; its copies test it before every chunk and end
// in EUserAbortInstall. Each program starts with it cleared.

namespace vorlan {

class ProgramScope;

bool BuildCancelled();
// Without a program scope there is no build to stop: the value is dropped.
void SetBuildCancelled(bool value);
// Raises EUserAbortInstall while the flag is set.
void CheckBuildCancelled();

// Gives the scope its cleared flag and lets the archive's copies see it.
void RegisterBuildCancelled(ProgramScope& scope);

}  // namespace vorlan

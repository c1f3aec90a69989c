#pragma once
// The meta variables of a shortcut's parameters: %a, %b, %c, %d, %f, %i,
// %m, %p, %s, %w and %% (case-insensitive); any other escape is dropped.

#include <string>

namespace vorlan {

class TCustomInstallShellLink;

// Raises EAICannotExpandContainerDirMV or EAICannotExpandInstallDirMV when
// an escape's component is missing.
std::string ExpandMetaVariables(const std::string& text, TCustomInstallShellLink* link);

}  // namespace vorlan

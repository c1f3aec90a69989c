#pragma once
// Writes the definition text from which the reader rebuilds the same
// objects: the root, its stored properties, then every named component it
// owns in creation order (nested under its parent component, if any).

#include <string>

namespace vorlan {

class TComponent;

std::string WriteDefinition(const TComponent& root);

}  // namespace vorlan

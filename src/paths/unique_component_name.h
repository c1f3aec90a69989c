#pragma once
// Gives a component a name that no other component of its owner holds.

#include <string>
#include <string_view>

namespace vorlan {

class TComponent;

// Tries base, base1, base2, ... until one is free and the component takes
// it, where base is the component's UniqueNameStem of stem. Answers the
// name. A stem that can make no valid name raises.
std::string MakeUniqueComponentName(TComponent& component, const std::string& stem);

// The letters, digits and underscores of text, in order.
std::string IdentCharsOf(std::string_view text);

}  // namespace vorlan

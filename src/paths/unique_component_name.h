#pragma once
// Gives a component a name that no other component of its owner holds.

#include <string>

namespace vorlan {

class TComponent;

// Tries stem, stem1, stem2, ... until one is free and the component takes
// it; an install file takes "IF" + the stem's file name and extension
// ("readme.txt" gives IFreadme_txt, IFreadme_txt1, ...). Answers the name.
// A stem that can make no valid name raises.
std::string MakeUniqueComponentName(TComponent& component, const std::string& stem);

}  // namespace vorlan

#pragma once
// Takes back what a registry object wrote: the values it recorded, and its
// key when nothing is left in it.

#include <string>
#include <vector>

#include "base/strings.h"

namespace vorlan {

// root: the TRootKeys position; key: the key path from the root. A value
// or key that is already gone is no problem; the others are added to
// problems.
void RemoveRegistryValues(int root, const std::string& key, const TStringList& names,
                          std::vector<std::string>& problems);

}  // namespace vorlan

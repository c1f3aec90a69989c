#pragma once
// Takes back what a registry object wrote: the values it recorded, its key
// when nothing is left in it, and the keys above it that the installation
// created, once they hold nothing either.

#include <string>
#include <vector>

#include "base/strings.h"

namespace vorlan {

// root: the TRootKeys position; key: the key path from the root. A value
// or key that is already gone is no problem; the others are added to
// problems.
void RemoveRegistryValues(int root, const std::string& key, const TStringList& names,
                          std::vector<std::string>& problems);

// A key of a root, as TRootKeys position and path.
using TRootedKey = std::pair<int, std::string>;
// The key and its parents up to created, the outermost part of it that the
// installation created; none when created is not part of the key.
std::vector<TRootedKey> CreatedKeys(int root, const std::string& key, const std::string& created);
// Deletes each key that holds no value and no key, deepest first.
void RemoveEmptyKeys(std::vector<TRootedKey> keys);

}  // namespace vorlan

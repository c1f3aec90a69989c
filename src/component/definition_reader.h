#pragma once
// Reads an install definition into components. Each object is constructed
// with its owner (the root), marked loading, and given its properties
// through their setters; references and handler names are resolved once the
// whole text is read (so they may point forward); then every component read
// gets Loaded() in creation order. On any failure nothing the read created
// is kept.

#include <memory>
#include <string_view>

#include "component/read_error.h"

namespace vorlan {

class TComponent;

struct TReadOptions {
  // The definition is being authored: components are created with
  // csDesigning, as an authoring tool creates them.
  bool authoring = false;
};

// Creates the root from the class the text names.
std::unique_ptr<TComponent> ReadDefinition(std::string_view text, const TReadOptions& options = {});
// Reads into an existing root, such as the form being created; the text's
// root class must be the root's.
void ReadDefinitionInto(TComponent& root, std::string_view text, const TReadOptions& options = {});

}  // namespace vorlan

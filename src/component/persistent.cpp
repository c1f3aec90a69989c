#include "component/persistent.h"

#include <algorithm>

#include "base/strings.h"

namespace vorlan {

bool TPersistent::IsPropertyStored(std::string_view name) const {
  return std::any_of(stored_properties_.begin(), stored_properties_.end(),
                     [&](const std::string& stored) { return SameText(stored, name); });
}

void TPersistent::MarkPropertyStored(std::string name) {
  if (!IsPropertyStored(name)) stored_properties_.push_back(std::move(name));
}

}  // namespace vorlan

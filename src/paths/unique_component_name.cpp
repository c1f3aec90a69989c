#include "paths/unique_component_name.h"

#include <algorithm>

#include "base/exceptions.h"
#include "base/strings.h"
#include "component/component.h"

namespace vorlan {

namespace {

bool IsIdentChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsIdentifier(const std::string& name) {
  return !name.empty() && !(name[0] >= '0' && name[0] <= '9') && std::all_of(name.begin(), name.end(), IsIdentChar);
}

}  // namespace

std::string IdentCharsOf(std::string_view text) {
  std::string kept;
  std::copy_if(text.begin(), text.end(), std::back_inserter(kept), IsIdentChar);
  return kept;
}

std::string MakeUniqueComponentName(TComponent& component, const std::string& stem) {
  std::string base = component.UniqueNameStem(stem);
  // Digits appended to a name that is no identifier never make it one.
  if (!IsIdentifier(base)) throw Exception("Cannot make a component name from \"" + stem + "\"");
  for (int k = 0;; ++k) {
    std::string name = k == 0 ? base : base + IntToStr(k);
    TComponent* holder = component.Owner() ? component.Owner()->FindComponent(name) : nullptr;
    if (holder && holder != &component) continue;
    component.SetName(name);
    return name;
  }
}

}  // namespace vorlan

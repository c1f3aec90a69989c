#pragma once
// TValue: a property value on its way between a definition and an object.
// Enumerations hold their ordinal, sets their bit mask, events the handler
// name.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "base/strings.h"

namespace vorlan {

class TComponent;
using TBytes = std::vector<uint8_t>;

using TValue = std::variant<std::monostate, bool, int64_t, std::string, TStringList, TBytes, TComponent*>;

}  // namespace vorlan

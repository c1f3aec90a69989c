#pragma once
// Comparing version texts field by field.

#include <string_view>

namespace vorlan {

// 0 when a and b are equal, 1 when a is higher, 2 when b is higher. Fields
// are split at "." and compare as numbers (1.10 is above 1.9); a field that
// is not a number compares as text, byte by byte. A missing or empty field
// is lower than any other, so 1.2 is lower than 1.2.0 and an empty version
// lower than any.
int CompareVersions(std::string_view a, std::string_view b);

}  // namespace vorlan

#include "system/version_compare.h"

#include <algorithm>

#include "base/strings.h"

namespace vorlan {

namespace {
int CompareFields(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return a.empty() == b.empty() ? 0 : (a.empty() ? 2 : 1);
  auto number_a = TryStrToInt(a), number_b = TryStrToInt(b);
  if (number_a && number_b) return *number_a == *number_b ? 0 : (*number_a > *number_b ? 1 : 2);
  int order = a.compare(b);
  return order == 0 ? 0 : (order > 0 ? 1 : 2);
}
}  // namespace

int CompareVersions(std::string_view a, std::string_view b) {
  // An empty field inside a version ("1..2") does not end the comparison:
  // the fields after it still count.
  int fields = std::max(CountFields(a, '.'), CountFields(b, '.'));
  for (int n = 1; n <= fields; ++n) {
    int order = CompareFields(ExtractField(a, n, '.'), ExtractField(b, n, '.'));
    if (order != 0) return order;
  }
  return 0;
}

}  // namespace vorlan

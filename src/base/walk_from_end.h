#pragma once
// Walking a list that the visits may shrink.

#include <algorithm>
#include <cstddef>
#include <vector>

namespace vorlan {

// Visits the entries of list from the last to the first, through the list as
// it is: a visit may remove entries, its own or others. No entry still in the
// list is passed over; one already visited is met again when an entry before
// it goes, so a visit must change nothing the second time. This spares a copy
// of the list, and a test of each entry against the list, for every walk.
template <typename T, typename Visit>
void WalkFromEnd(const std::vector<T>& list, Visit visit) {
  for (size_t left = list.size(); left > 0;) {
    left = std::min(left, list.size());
    if (left == 0) break;
    visit(list[--left]);
  }
}

}  // namespace vorlan

#pragma once
// TWaitCursor: the hourglass while a long step runs; the cursor that was
// shown before comes back when the scope ends, also on failure.

#include <windows.h>

namespace vorlan {

class TWaitCursor {
 public:
  TWaitCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
  ~TWaitCursor() { SetCursor(previous_); }
  TWaitCursor(const TWaitCursor&) = delete;
  TWaitCursor& operator=(const TWaitCursor&) = delete;

 private:
  HCURSOR previous_;
};

}  // namespace vorlan

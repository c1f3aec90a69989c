#include "compat/tick_count.h"

ULONGLONG WidenTickCount(volatile ULONGLONG* last, TTickCountReader read) {
  ULONGLONG seen = __atomic_load_n(last, __ATOMIC_ACQUIRE);
  for (;;) {
    ULONGLONG next = seen + (DWORD)(read() - (DWORD)seen);
    if (__atomic_compare_exchange_n(last, &seen, next, 0, __ATOMIC_ACQ_REL, __ATOMIC_ACQUIRE)) return next;
  }
}

ULONGLONG WINAPI TickCountWithWraps(void) {
  static volatile ULONGLONG last;
  return WidenTickCount(&last, GetTickCount);
}

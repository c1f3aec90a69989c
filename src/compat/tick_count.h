#pragma once
/* The millisecond count since start-up in 64 bits on systems whose own count
   has 32: every reading of the 32-bit count is taken as a step forward from
   the last answer, so each time the count passes 2^32 (every 49.7 days) the
   answer goes on past it. A wrap between two readings further apart than
   that cannot be seen. */

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef DWORD(WINAPI* TTickCountReader)(void);

/* Answers the 64-bit count for a reading of read, given the last answer
   (zero before the first), and keeps the new answer there. Safe to call
   from several threads at once: a reading is taken after the last answer
   it is compared with was kept, so it is never older than that answer. */
ULONGLONG WidenTickCount(volatile ULONGLONG* last, TTickCountReader read);

/* GetTickCount64 on the process's own record of GetTickCount readings. */
ULONGLONG WINAPI TickCountWithWraps(void);

#ifdef __cplusplus
}
#endif

/* The import entries that the static runtime libraries (the thread library,
   the C++ library's file streams) call through, for the functions that not
   every Windows the programs start on has. Defined here, they keep those
   functions out of the import table, so that the program loads where they
   are missing. An entry starts out pointing at its binder: the first call
   looks the function up in its DLL, keeps it in the entry (or the fallback,
   where the system lacks it) and goes on there; later calls go straight
   through. Two first calls at once both keep the same answer. */

#include <windows.h>

#include <sys/stat.h>

#include "compat/tick_count.h"

typedef void (*TAnyFunction)(void);

/* Where a function comes from the system. One that Windows 95, 98 and ME do
   not support is never taken from them, even where their DLL exports it:
   such an export is a stub that only fails. */
enum { ANY_WINDOWS, WINDOWS_NT_ONLY };

#ifdef VORLAN_FORCE_IMPORT_FALLBACKS
/* Test builds take every fallback, so that they run under Wine, which has
   every function. */
static TAnyFunction Bind(const char* dll, const char* name, int systems, TAnyFunction fallback) {
  (void)dll;
  (void)name;
  (void)systems;
  return fallback;
}
#else
static TAnyFunction Bind(const char* dll, const char* name, int systems, TAnyFunction fallback) {
  if (systems == WINDOWS_NT_ONLY && (GetVersion() & 0x80000000u)) return fallback;
  HMODULE module = GetModuleHandleA(dll);
  FARPROC found = module ? GetProcAddress(module, name) : NULL;
  return found ? (TAnyFunction)found : fallback;
}
#endif

/* Defines the entry named symbol, as the libraries' references spell it, for
   the function name of dll. */
#define LATE_BOUND_IMPORT(symbol, dll, systems, result, convention, name, parameters, arguments, fallback) \
  typedef result(convention* name##_Function) parameters;                                               \
  static result convention Bind_##name parameters;                                                      \
  name##_Function Entry_##name __asm__(symbol) = Bind_##name;                                           \
  static result convention Bind_##name parameters {                                                     \
    name##_Function bound = (name##_Function)Bind(dll, #name, systems, (TAnyFunction)fallback);         \
    __atomic_store_n(&Entry_##name, bound, __ATOMIC_RELEASE);                                           \
    return bound arguments;                                                                              \
  }

/* Without vectored handlers the thread library does not name its threads
   for a debugger, which is all it uses them for. */
static PVOID WINAPI NoVectoredHandler(ULONG first, PVECTORED_EXCEPTION_HANDLER handler) {
  (void)first;
  (void)handler;
  return NULL;
}

static ULONG WINAPI NoVectoredHandlerToRemove(PVOID handle) {
  (void)handle;
  return 0;
}

static BOOL WINAPI EnterInsteadOfTrying(LPCRITICAL_SECTION section) {
  EnterCriticalSection(section);
  return TRUE;
}

static BOOL WINAPI NoDebugger(void) { return FALSE; }

/* A handle is valid when it can be duplicated. Its flags cannot be read
   where this is needed: none is reported. */
static BOOL WINAPI HandleInformationByDuplicating(HANDLE handle, LPDWORD flags) {
  HANDLE process = GetCurrentProcess(), copy;
  if (!DuplicateHandle(process, handle, process, &copy, 0, FALSE, DUPLICATE_SAME_ACCESS)) return FALSE;
  CloseHandle(copy);
  *flags = 0;
  return TRUE;
}

/* The systems that cannot set a process's processors run on one. */
static BOOL WINAPI OnlyTheOneProcessor(HANDLE process, DWORD_PTR mask) {
  (void)process;
  if (mask == 1) return TRUE;
  SetLastError(ERROR_INVALID_PARAMETER);
  return FALSE;
}

/* Every runtime has the status of an open file with its size in 64 bits
   and its times in 32. */
int __cdecl FileStatusWithNarrowTimes(int descriptor, struct _stat32i64* status) __asm__("__fstati64");

static int __cdecl FileStatusWidened(int descriptor, struct _stat64* status) {
  struct _stat32i64 narrow;
  if (FileStatusWithNarrowTimes(descriptor, &narrow) != 0) return -1;
  status->st_dev = narrow.st_dev;
  status->st_ino = narrow.st_ino;
  status->st_mode = narrow.st_mode;
  status->st_nlink = narrow.st_nlink;
  status->st_uid = narrow.st_uid;
  status->st_gid = narrow.st_gid;
  status->st_rdev = narrow.st_rdev;
  status->st_size = narrow.st_size;
  status->st_atime = narrow.st_atime;
  status->st_mtime = narrow.st_mtime;
  status->st_ctime = narrow.st_ctime;
  return 0;
}

LATE_BOUND_IMPORT("__imp__GetTickCount64@0", "kernel32.dll", ANY_WINDOWS, ULONGLONG, WINAPI, GetTickCount64, (void),
                  (), TickCountWithWraps)
LATE_BOUND_IMPORT("__imp__AddVectoredExceptionHandler@8", "kernel32.dll", ANY_WINDOWS, PVOID, WINAPI,
                  AddVectoredExceptionHandler, (ULONG first, PVECTORED_EXCEPTION_HANDLER handler),
                  (first, handler), NoVectoredHandler)
LATE_BOUND_IMPORT("__imp__RemoveVectoredExceptionHandler@4", "kernel32.dll", ANY_WINDOWS, ULONG, WINAPI,
                  RemoveVectoredExceptionHandler, (PVOID handle), (handle), NoVectoredHandlerToRemove)
LATE_BOUND_IMPORT("__imp__TryEnterCriticalSection@4", "kernel32.dll", WINDOWS_NT_ONLY, BOOL, WINAPI,
                  TryEnterCriticalSection, (LPCRITICAL_SECTION section), (section), EnterInsteadOfTrying)
LATE_BOUND_IMPORT("__imp__IsDebuggerPresent@0", "kernel32.dll", ANY_WINDOWS, BOOL, WINAPI, IsDebuggerPresent, (void),
                  (), NoDebugger)
LATE_BOUND_IMPORT("__imp__GetHandleInformation@8", "kernel32.dll", WINDOWS_NT_ONLY, BOOL, WINAPI,
                  GetHandleInformation, (HANDLE handle, LPDWORD flags), (handle, flags),
                  HandleInformationByDuplicating)
LATE_BOUND_IMPORT("__imp__SetProcessAffinityMask@8", "kernel32.dll", WINDOWS_NT_ONLY, BOOL, WINAPI,
                  SetProcessAffinityMask, (HANDLE process, DWORD_PTR mask), (process, mask), OnlyTheOneProcessor)
LATE_BOUND_IMPORT("__imp___fstat64", "msvcrt.dll", ANY_WINDOWS, int, __cdecl, _fstat64,
                  (int descriptor, struct _stat64* status), (descriptor, status), FileStatusWidened)

#pragma once
// The import entries that the compatibility object defines, as the runtime
// libraries reach them, for tests that look at what an entry was bound to.

#include <windows.h>

#include <sys/stat.h>

extern "C" {
// Declared for systems from Vista on, which the headers here do not target.
__declspec(dllimport) ULONGLONG WINAPI GetTickCount64(void);

extern void* volatile EntryGetTickCount64 __asm__("__imp__GetTickCount64@0");
extern void* volatile EntryAddVectoredExceptionHandler __asm__("__imp__AddVectoredExceptionHandler@8");
extern void* volatile EntryRemoveVectoredExceptionHandler __asm__("__imp__RemoveVectoredExceptionHandler@4");
extern void* volatile EntryTryEnterCriticalSection __asm__("__imp__TryEnterCriticalSection@4");
extern void* volatile EntryIsDebuggerPresent __asm__("__imp__IsDebuggerPresent@0");
extern void* volatile EntryGetHandleInformation __asm__("__imp__GetHandleInformation@8");
extern void* volatile EntrySetProcessAffinityMask __asm__("__imp__SetProcessAffinityMask@8");
extern void* volatile EntryFStat64 __asm__("__imp___fstat64");
}

namespace vorlan::testing {

struct TImportEntry {
  const char* dll;
  const char* function;
  bool nt_only;  // never taken from Windows 95, 98 or ME
  void* volatile* entry;
  void (*call)();  // calls the function through its entry, harmlessly

  // The system's own function of that name.
  void* SystemFunction() const {
    return reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(dll), function));
  }
  void* Bound() const { return *entry; }
};

inline LONG WINAPI IgnoreException(EXCEPTION_POINTERS*) { return EXCEPTION_CONTINUE_SEARCH; }

inline const TImportEntry kImportEntries[] = {
    {"kernel32.dll", "GetTickCount64", false, &EntryGetTickCount64, [] { GetTickCount64(); }},
    {"kernel32.dll", "AddVectoredExceptionHandler", false, &EntryAddVectoredExceptionHandler,
     [] {
       if (PVOID handler = AddVectoredExceptionHandler(0, IgnoreException)) RemoveVectoredExceptionHandler(handler);
     }},
    {"kernel32.dll", "RemoveVectoredExceptionHandler", false, &EntryRemoveVectoredExceptionHandler,
     [] { RemoveVectoredExceptionHandler(nullptr); }},
    {"kernel32.dll", "TryEnterCriticalSection", true, &EntryTryEnterCriticalSection,
     [] {
       CRITICAL_SECTION section;
       InitializeCriticalSection(&section);
       if (TryEnterCriticalSection(&section)) LeaveCriticalSection(&section);
       DeleteCriticalSection(&section);
     }},
    {"kernel32.dll", "IsDebuggerPresent", false, &EntryIsDebuggerPresent, [] { IsDebuggerPresent(); }},
    {"kernel32.dll", "GetHandleInformation", true, &EntryGetHandleInformation,
     [] {
       DWORD flags = 0;
       GetHandleInformation(GetCurrentProcess(), &flags);
     }},
    {"kernel32.dll", "SetProcessAffinityMask", true, &EntrySetProcessAffinityMask,
     [] {
       DWORD_PTR process = 1, system = 1;
       GetProcessAffinityMask(GetCurrentProcess(), &process, &system);
       SetProcessAffinityMask(GetCurrentProcess(), process);
     }},
    {"msvcrt.dll", "_fstat64", false, &EntryFStat64,
     [] {
       struct _stat64 status;
       _fstat64(-1, &status);
     }},
};

}  // namespace vorlan::testing

/* The sample product's shared library. */
#include <windows.h>

__declspec(dllexport) int ZarvikToolsVersion(void) { return 210; }

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)instance;
  (void)reason;
  (void)reserved;
  return TRUE;
}

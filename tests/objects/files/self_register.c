// A library that registers itself by writing a key under the test root, or
// refuses to (built with SELF_REGISTER_FAILS).
#include <windows.h>

HRESULT WINAPI DllRegisterServer(void) {
#ifdef SELF_REGISTER_FAILS
  return E_FAIL;
#else
  HKEY key;
  if (RegCreateKeyA(HKEY_CURRENT_USER, "Software\\VorlanTest\\FileSelfRegistration\\Library", &key) != ERROR_SUCCESS) {
    return E_FAIL;
  }
  char directory[MAX_PATH] = "";
  GetCurrentDirectoryA(sizeof directory, directory);
  // Where it was registered from: the installer works in the file's directory.
  RegSetValueExA(key, "Directory", 0, REG_SZ, (const BYTE*)directory, (DWORD)lstrlenA(directory) + 1);
  RegCloseKey(key);
  return S_OK;
#endif
}

// Takes back what DllRegisterServer wrote, or refuses to.
HRESULT WINAPI DllUnregisterServer(void) {
#ifdef SELF_REGISTER_FAILS
  return E_FAIL;
#else
  LONG result = RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\VorlanTest\\FileSelfRegistration\\Library");
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND ? S_OK : E_FAIL;
#endif
}

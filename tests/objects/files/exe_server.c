// A program that registers itself when started with /REGSERVER, and takes
// the registration back with /UNREGSERVER.
#include <windows.h>
#include <string.h>

int main(int argc, char** argv) {
  if (argc >= 2 && strcmp(argv[1], "/UNREGSERVER") == 0) {
    return RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\VorlanTest\\FileSelfRegistration\\Server") == ERROR_SUCCESS
               ? 0
               : 3;
  }
  if (argc < 2 || strcmp(argv[1], "/REGSERVER") != 0) return 1;
  HKEY key;
  if (RegCreateKeyA(HKEY_CURRENT_USER, "Software\\VorlanTest\\FileSelfRegistration\\Server", &key) != ERROR_SUCCESS) {
    return 2;
  }
  RegCloseKey(key);
  return 0;
}

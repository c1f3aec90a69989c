// Records the command line it was started with in the file that
// VORLAN_RECORD_FILE names; the file appears whole or not at all.
#include <windows.h>

#include <cstring>

#include "system/unique_handle.h"

int main() {
  char target[MAX_PATH];
  if (!GetEnvironmentVariableA("VORLAN_RECORD_FILE", target, MAX_PATH)) return 1;
  char partial[MAX_PATH + 8];
  lstrcpyA(partial, target);
  lstrcatA(partial, ".part");
  {
    vorlan::TUniqueFileHandle file(
        CreateFileA(partial, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return 2;
    const char* line = GetCommandLineA();
    DWORD written = 0;
    if (!WriteFile(file.Get(), line, static_cast<DWORD>(std::strlen(line)), &written, nullptr)) return 4;
  }
  return MoveFileA(partial, target) ? 0 : 3;
}

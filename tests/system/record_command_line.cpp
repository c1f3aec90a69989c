// Records the command line it was started with, and on a second line the
// startup flags and show command it was given, in the file that
// VORLAN_RECORD_FILE names; the file appears whole or not at all.
#include <windows.h>

#include <cstring>
#include <string>

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
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    std::string record = std::string(GetCommandLineA()) + "\n" + std::to_string(startup.dwFlags) + " " +
                         std::to_string(startup.wShowWindow);
    DWORD written = 0;
    if (!WriteFile(file.Get(), record.data(), static_cast<DWORD>(record.size()), &written, nullptr)) return 4;
  }
  return MoveFileA(partial, target) ? 0 : 3;
}

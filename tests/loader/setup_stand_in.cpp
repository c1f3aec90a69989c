// Stands in for the setup program the loading program starts: records its
// command line and, on a second line, the startup flags and show command it
// was given, in the file VORLAN_RECORD_FILE names (whole or not at all), and
// ends with the exit code VORLAN_EXIT_CODE asks for.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "system/unique_handle.h"

namespace {
std::string Environment(const char* name) {
  char value[MAX_PATH] = {};
  DWORD length = GetEnvironmentVariableA(name, value, MAX_PATH);
  return length < MAX_PATH ? std::string(value, length) : std::string();
}

bool Record(const std::string& target) {
  std::string partial = target + ".part";
  {
    vorlan::TUniqueFileHandle file(
        CreateFileA(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    std::string record = std::string(GetCommandLineA()) + "\n" + std::to_string(startup.dwFlags) + " " +
                         std::to_string(startup.wShowWindow);
    DWORD written = 0;
    if (!WriteFile(file.Get(), record.data(), static_cast<DWORD>(record.size()), &written, nullptr)) return false;
  }
  return MoveFileA(partial.c_str(), target.c_str()) != 0;
}
}  // namespace

int main() {
  std::string target = Environment("VORLAN_RECORD_FILE");
  if (target.empty() || !Record(target)) return 100;
  return std::atoi(Environment("VORLAN_EXIT_CODE").c_str());
}

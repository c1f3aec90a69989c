#include "system/os_version.h"

#include <windows.h>

#include "system/system_exceptions.h"

namespace vorlan {

TOSVerType OSVersionTypeOf(uint32_t platform_id, uint32_t major, uint32_t minor) {
  switch (platform_id) {
    case VER_PLATFORM_WIN32s:
      return os31win32;
    case VER_PLATFORM_WIN32_WINDOWS:
      return minor == 90 ? oswinME : oswin98;
    case VER_PLATFORM_WIN32_NT:
      if (major < 4) return oswinNT351;
      if (major == 4) return oswinNT;
      if (major == 5 && minor == 0) return oswin2K;
      return oswinXP;
    default:
      return osUnidentified;
  }
}

TOSVerType GetOSVersionType() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (!GetVersionExA(&info)) {
    throw EAPIRoutines("Could not get information about the current version of Windows");
  }
  return OSVersionTypeOf(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
}

bool IsWindows9xFamily() {
  TOSVerType os = GetOSVersionType();
  return os == oswin95 || os == oswin98 || os == oswinME;
}

}  // namespace vorlan

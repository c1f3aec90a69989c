#pragma once
// Which Windows the program runs on, in the kinds install objects are
// restricted to.

#include <cstdint>

namespace vorlan {

enum TOSVerType : uint8_t {
  os31win32,
  oswin95,
  oswinNT,
  oswinNT351,
  osUnidentified,
  osLinux,
  oswin2K,
  oswin98,
  oswinME,
  oswinXP,
};

// The kind for the values the system reports (platform id as in
// OSVERSIONINFO). Every NT after XP answers oswinXP, the newest kind known:
// an object restricted to the kinds it names must still install there.
TOSVerType OSVersionTypeOf(uint32_t platform_id, uint32_t major, uint32_t minor);

// The running Windows; raises EAPIRoutines when the system will not tell.
TOSVerType GetOSVersionType();

// Windows 95, 98 or ME is running (GetOSVersionType).
bool IsWindows9xFamily();

}  // namespace vorlan

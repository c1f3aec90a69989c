#pragma once
// The setup's command-line switches: "-" or "*", one of the letters
// b f d e r s c n in either case, and the switch's text after it. Other "*"
// parameters belong to the self-extracting setup and are passed over.

#include <array>
#include <bitset>
#include <string>
#include <vector>

namespace vorlan {

// The switch letters, by position.
enum TSwitch : uint8_t { swBuild, swFloppy, swDebug, swSelfExtract, swReboot, swSource, swCleanup, swNoUnfinished };
using TSwitches = std::bitset<8>;
inline constexpr const char* kSwitchLetters = "bfderscn";

struct TCommandLineSwitches {
  TSwitches switches;
  // A switch given twice keeps the later text.
  std::array<std::string, 8> texts;
};

// Raises IException "Invalid parameter <...>..." for a parameter shorter
// than two characters, one that starts with neither "-" nor "*", and a "-"
// with an unknown letter.
TCommandLineSwitches ParseSwitches(const std::vector<std::string>& parameters);

}  // namespace vorlan

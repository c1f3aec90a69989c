#pragma once
// The enumerations and codes the install object tree is built on. Sets are
// bit masks over the ordinals, as a definition stores them.

#include <cstdint>

#include "component/class_info.h"
#include "system/os_version.h"

namespace vorlan {

enum TInstallType : uint8_t { itFull, itDefault, itCompact, itCustom };
using TInstallTypeSet = uint8_t;
using OSSet = uint16_t;

constexpr uint32_t SetBit(unsigned ordinal) { return 1u << ordinal; }
constexpr bool InSet(uint32_t set, unsigned ordinal) { return ordinal < 32 && (set & SetBit(ordinal)); }

const TEnumInfo& InstallTypeInfo();
const TEnumInfo& OSVerTypeInfo();

// The constant each class answers from TypeCode: the place among a
// container's children, the pass that installs the object, and (2000 and
// up) whether it hears broadcasts.
namespace type_code {
constexpr int kGroup = 500;
constexpr int kFileContainer = 1000;
constexpr int kFile = 2000;
constexpr int kLinkGroup = 7000;
constexpr int kShellLink = 8000;
constexpr int kRegistry = 8500;
constexpr int kDialog = 9000;
constexpr int kFirstReceiver = 2000;
// A class that declares none.
constexpr int kNone = 0;
}  // namespace type_code

// Stage codes an object broadcasts to its direct children.
namespace stage {
constexpr int kIncluded = -999;
constexpr int kBeforeProcess = -990;
constexpr int kAfterProcess = -989;
constexpr int kRunStarted = -986;
constexpr int kBeforeInstall = -980;
constexpr int kBeforeReadArchiveInfo = -984;
constexpr int kAfterReadArchiveInfo = -983;
constexpr int kStatusText = -974;
constexpr int kStatusCleared = -973;
constexpr int kContainerStarts = -992;
constexpr int kOperationEnded = -996;
constexpr int kFileProgress = -998;
constexpr int kReplacingFile = -997;
constexpr int kDownloadProgress = -988;
constexpr int kNextDisk = -993;
constexpr int kGoodInstall = -995;
constexpr int kGoodInstallPages = -979;
constexpr int kBadInstall = -994;
constexpr int kBadInstallPages = -978;
constexpr int kReboot = -987;
constexpr int kLinkGroupInstalled = -991;
// Codes a receiver answers though nothing in this system sends them.
constexpr int kShellLinkRequest = -970;
constexpr int kLinkGroupRequest = -969;
constexpr int kRegistryRequest = -968;
constexpr int kRegistrationStage = -962;
}  // namespace stage

// The Add/Remove Programs key; the product name follows it.
inline constexpr const char* kUninstallKeyPrefix = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

}  // namespace vorlan

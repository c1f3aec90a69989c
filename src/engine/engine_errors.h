#pragma once
// The engine's own message texts.

namespace vorlan::engine_error {

inline constexpr const char* kSecondEngine =
    "The TInstall component does not currently support the use of 2 TInstall components in the same project";
inline constexpr const char* kOwnerNotForm = "The owner of a TInstall component must be a form class";
inline constexpr const char* kNoBuildDirectory =
    "You forgot to pass in the build directory. In Run | Parameters, follow this format: -d \"-sC:\\My Build\"";
inline constexpr const char* kNoMainForm =
    "Application.MainForm is undefined and the TInstall is not on a form. Therefore, therefore the TInstall can't "
    "run the installation automatically";
inline constexpr const char* kInvalidParameter =
    "Invalid parameter <%s>. Valid command line parameters are: -b (Build), -d (Debug), -f (Transfer to floppies), "
    "-e (Called by self-extractor), -r (After reboot)";
inline constexpr const char* kDistributeTypeAtDesignTime = "DistributeType can only be set at design-time";
inline constexpr const char* kNetLocationNeeded =
    "Must assign a net location via the NetLocation property before you can set the distribute type";
inline constexpr const char* kNoUnfinishedList =
    "The TInstall could not either write or read unfinished business from the registry";
inline constexpr const char* kRunOnceNotWritten =
    "Cannot register the install to be run on reboot in the RunOnce key in the registry";
inline constexpr const char* kInvalidUnfinishedEntry = "There is an invalid entry for the unfinished install list %s";

// The run modes whose work this build does not contain yet.
inline constexpr const char* kRunNotAvailable = "The installation run is not available in this build";
inline constexpr const char* kBuildNotAvailable = "Building the distributables (-b) is not available in this build";
inline constexpr const char* kFloppyNotAvailable =
    "Transferring the installation to floppy disks (-f) is not available in this build";

}  // namespace vorlan::engine_error

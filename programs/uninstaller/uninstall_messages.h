#pragma once
// What the uninstaller tells the person removing a product, and the
// failure its texts are carried by.

#include "base/exceptions.h"

namespace vorlan {

VORLAN_EXCEPTION(EUninstallError, Exception);

namespace uninstall_message {
inline constexpr const char* kCaption = "Uninstall";
inline constexpr const char* kNoProduct =
    "No product was named. The uninstaller is started with the name of the product to remove, as the "
    "Add/Remove Programs entry does";
inline constexpr const char* kNotInstalled =
    "%s is not installed: this computer holds no uninstall information for it. Nothing was changed";
inline constexpr const char* kConfirm =
    "Do you want to remove %s and all of its components from this computer?";
inline constexpr const char* kRemoved = "%s was removed from this computer.";
inline constexpr const char* kRemovedAtRestart =
    "%s was removed from this computer. Some of its files were in use; Windows deletes them when it next "
    "starts.";
inline constexpr const char* kIncomplete =
    "%s could not be removed completely. Its uninstall information is kept, so the uninstaller can be run "
    "again.\n\n%s";
inline constexpr const char* kFailed = "%s could not be removed: %s";

// The single problems, listed in kIncomplete one a line.
inline constexpr const char* kFileNotDeleted = "The file %s could not be deleted (error %d).";
inline constexpr const char* kNotUnregistered = "%s could not be unregistered: %s";
inline constexpr const char* kValueNotDeleted = "The registry value \"%s\" of %s could not be deleted (error %d).";
inline constexpr const char* kBadRecord = "The uninstall record %s is damaged: %s";
}  // namespace uninstall_message

}  // namespace vorlan

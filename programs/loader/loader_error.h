#pragma once
// The loading program's failures and their texts; each reaches the user as
// the text of one message box.

#include "base/exceptions.h"

namespace vorlan {

VORLAN_EXCEPTION(ELoaderError, Exception);

namespace loader_error {
inline constexpr const char* kInvalidParameter =
    "Invalid parameter <%s>. The setup program accepts *TODISK (transfer the installation to floppy disks) "
    "and other parameters that begin with *";
inline constexpr const char* kOwnSwitch =
    "Invalid parameter <%s>. The setup program passes its own directory (-s) and file name (-e) on";
inline constexpr const char* kFloppiesNeedEmbedded =
    "Only a self-extracting setup program can transfer the installation to floppy disks (*TODISK); %s keeps "
    "its archives beside it";
inline constexpr const char* kDamaged =
    "The setup program %s is damaged and cannot run. Please download or copy it again";
inline constexpr const char* kNoSetupArchive =
    "Cannot find the setup archive %s. It must be in the same directory as the setup program";
inline constexpr const char* kUnpackFailed = "Cannot unpack the setup archive %s: %s";
inline constexpr const char* kEmptySetupArchive = "The setup archive %s holds no setup program";
inline constexpr const char* kNoTempDirectory = "Cannot create a temporary directory in %s: %s";
inline constexpr const char* kStartFailed = "Cannot start the setup program %s: %s";
inline constexpr const char* kReadFailed = "Cannot read the setup program %s: %s";
}  // namespace loader_error

}  // namespace vorlan

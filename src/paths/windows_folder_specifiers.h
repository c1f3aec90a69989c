#pragma once
// The Windows shell folders beyond the core ones, taken from the shell's
// special-folder service. Which folder each answers depends on the family
// of the running Windows: on a system a folder does not exist on, some
// answer the literal path "undefined" and others an empty path.

#include "paths/folder_specifier_class.h"

namespace vorlan {

VORLAN_STANDARD_FOLDER_SPECIFIER(TpsPrinters);
VORLAN_STANDARD_FOLDER_SPECIFIER(TpsRecent);
VORLAN_STANDARD_FOLDER_SPECIFIER(TpsSendTo);
VORLAN_STANDARD_FOLDER_SPECIFIER(TpsStartup);
VORLAN_STANDARD_FOLDER_SPECIFIER(TpsControlPanel);
VORLAN_STANDARD_FOLDER_SPECIFIER(TpsFavorites);
VORLAN_STANDARD_FOLDER_SPECIFIER(TpsBitBucket);
VORLAN_STANDARD_FOLDER_SPECIFIER(TpsCookies);
// The common (All Users) folders fall back to the user's own on the 9x
// family, which has no common profile.
VORLAN_STANDARD_FOLDER_SPECIFIER(TpsCommonAltStartup);
VORLAN_STANDARD_FOLDER_SPECIFIER(TpsCommonStartup);
VORLAN_STANDARD_FOLDER_SPECIFIER(TpsCommonDesktopDirectory);
VORLAN_STANDARD_FOLDER_SPECIFIER(TpsCommonFavorites);
VORLAN_STANDARD_FOLDER_SPECIFIER(TpsCommonPrograms);
VORLAN_STANDARD_FOLDER_SPECIFIER(TpsCommonStartMenu);
// The Quick Launch toolbar under the user's application data.
VORLAN_STANDARD_FOLDER_SPECIFIER(TpsQuickLaunchMenu);

}  // namespace vorlan

#pragma once
// The folders of the office suite: templates, clip art, Word's startup
// and tools folders and the favorites. Each reads the settings of the
// Word version registered at the moment it is expanded; without Word the
// folders lie under the program files directory.

#include "paths/folder_specifier_class.h"

namespace vorlan {

VORLAN_STANDARD_FOLDER_SPECIFIER(TpsOfficeUserTemplates);
// The "SharedTemplates" setting, or the user templates directory when no
// workgroup folder is set up.
VORLAN_STANDARD_FOLDER_SPECIFIER(TpsOfficeWorkgroupTemplates);
VORLAN_STANDARD_FOLDER_SPECIFIER(TpsOfficeClipartDirectory);
VORLAN_STANDARD_FOLDER_SPECIFIER(TpsOfficeStartupDirectory);
VORLAN_STANDARD_FOLDER_SPECIFIER(TpsOfficeToolsDirectory);
// The user's Favorites shell folder, whatever Word says.
VORLAN_STANDARD_FOLDER_SPECIFIER(TpsOfficeFavoritesDirectory);

}  // namespace vorlan

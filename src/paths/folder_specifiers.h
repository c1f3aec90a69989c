#pragma once
// The built-in specifiers that rest on the machine alone: shell folders,
// program directories and the Windows and system directories. They serve
// every install object.

#include <string>

#include "paths/folder_specifier_class.h"

namespace vorlan {

// "DLLPath" of the database engine's key, up to its first ";".
VORLAN_STANDARD_FOLDER_SPECIFIER(TpsBDEDLL);
VORLAN_STANDARD_FOLDER_SPECIFIER(TpsCommonFiles);
VORLAN_STANDARD_FOLDER_SPECIFIER(TpsDesktopMenu);
VORLAN_STANDARD_FOLDER_SPECIFIER(TpsProgramFiles);
VORLAN_STANDARD_FOLDER_SPECIFIER(TpsProgramMenu);
VORLAN_STANDARD_FOLDER_SPECIFIER(TpsStartMenu);
VORLAN_STANDARD_FOLDER_SPECIFIER(TpsStartupMenu);
VORLAN_STANDARD_FOLDER_SPECIFIER(TpsSystem);
VORLAN_STANDARD_FOLDER_SPECIFIER(TpsWindow);

}  // namespace vorlan

#pragma once
// The built-in specifiers that rest on the machine alone: shell folders,
// program directories and the Windows and system directories. They serve
// every install object.

#include <string>

#include "paths/standard_path_specifier.h"

namespace vorlan {

// Each answers its description, display name and path; the constructor
// gives the default name.
#define VORLAN_FOLDER_SPECIFIER(Class)                       \
  class Class : public TStandardPathSpecifier {              \
    VORLAN_CLASS_INFO()                                      \
                                                             \
   public:                                                   \
    explicit Class(TComponent* owner);                       \
    std::string GetDescription() override;             \
    std::string GetDisplayName() override;             \
    std::string GetPath(TInstallContainer* object) override;  \
  }

// "DLLPath" of the database engine's key, up to its first ";".
VORLAN_FOLDER_SPECIFIER(TpsBDEDLL);
VORLAN_FOLDER_SPECIFIER(TpsCommonFiles);
VORLAN_FOLDER_SPECIFIER(TpsDesktopMenu);
VORLAN_FOLDER_SPECIFIER(TpsProgramFiles);
VORLAN_FOLDER_SPECIFIER(TpsProgramMenu);
VORLAN_FOLDER_SPECIFIER(TpsStartMenu);
VORLAN_FOLDER_SPECIFIER(TpsStartupMenu);
VORLAN_FOLDER_SPECIFIER(TpsSystem);
VORLAN_FOLDER_SPECIFIER(TpsWindow);

#undef VORLAN_FOLDER_SPECIFIER

}  // namespace vorlan

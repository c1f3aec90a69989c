#include "paths/office_folder_specifiers.h"

#include "base/strings.h"
#include "paths/office_paths.h"
#include "system/registry_routines.h"
#include "system/system_dirs.h"

namespace vorlan {

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsOfficeUserTemplates, "psOfficeUserTemplates",
                                        "Path to the MS Office User Templates directory", "User Templates")
std::string TpsOfficeUserTemplates::GetPath(TInstallContainer* /*object*/) {
  return OfficeFileNewPath("LocalTemplates", "Microsoft Office\\Templates");
}

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsOfficeWorkgroupTemplates, "psOfficeWorkgroupTemplates",
                                        "Path to the MS Office Workgroup Templates directory",
                                        "Workgroup Templates")
std::string TpsOfficeWorkgroupTemplates::GetPath(TInstallContainer* /*object*/) {
  return OfficeWorkgroupTemplatesPath();
}

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsOfficeClipartDirectory, "psOfficeClipartDirectory",
                                        "Path to the MS Office Clipart directory", "Office Clipart dir")
std::string TpsOfficeClipartDirectory::GetPath(TInstallContainer* /*object*/) {
  return OfficeWordOptionPath("PICTURE-PATH", "Microsoft Office\\Clipart");
}

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsOfficeStartupDirectory, "psOfficeStartupDirectory",
                                        "Path to the MS Office Startup directory", "Office Startup dir")
std::string TpsOfficeStartupDirectory::GetPath(TInstallContainer* /*object*/) {
  return OfficeWordOptionPath("STARTUP-PATH", "Microsoft Office\\Office\\Startup");
}

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsOfficeToolsDirectory, "psOfficeToolsDirectory",
                                        "Path to the MS Office Tools directory", "Office Tools dir")
std::string TpsOfficeToolsDirectory::GetPath(TInstallContainer* /*object*/) {
  return OfficeWordOptionPath("TOOLS-PATH", "Microsoft Office\\Office");
}

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsOfficeFavoritesDirectory, "psOfficeFavoritesDirectory",
                                        "Path to the MS Office Favorites directory", "Office Favorites dir")
std::string TpsOfficeFavoritesDirectory::GetPath(TInstallContainer* /*object*/) {
  return RemoveBackslash(ReadRegString(hkCurrentUser,
                                       "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                                       "Favorites", AddBackslash(GetWindowsDir()) + "Favorites"));
}

}  // namespace vorlan

#include "paths/windows_folder_specifiers.h"

#include <shlobj.h>

#include "base/strings.h"
#include "paths/special_folder.h"
#include "system/os_version.h"

namespace vorlan {

namespace {

// What a specifier answers on one family: a CSIDL, or one of these.
constexpr int kUndefined = -1;  // the literal path "undefined"
constexpr int kEmpty = -2;

std::string Answer(int folder) {
  if (folder == kUndefined) return "undefined";
  if (folder == kEmpty) return {};
  return GetSpecialFolderPath(folder);
}

// nt on NT 4, 2000 and XP; win9x on 95, 98 and ME; other on the rest
// (Win32s, NT 3.51, unidentified systems).
std::string ByFamily(int nt, int win9x, int other) {
  switch (GetOSVersionType()) {
    case oswinNT:
    case oswin2K:
    case oswinXP:
      return Answer(nt);
    case oswin95:
    case oswin98:
    case oswinME:
      return Answer(win9x);
    default:
      return Answer(other);
  }
}

}  // namespace

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsPrinters, "psPrinters", "virtual folder containing installed printers",
                                        "Installed Printers")
std::string TpsPrinters::GetPath(TInstallContainer* /*object*/) {
  return ByFamily(CSIDL_PRINTERS, kUndefined, kUndefined);
}

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsRecent, "psRecent", "Recently Used Documents", "Recently Used")
std::string TpsRecent::GetPath(TInstallContainer* /*object*/) {
  return ByFamily(CSIDL_RECENT, kUndefined, kUndefined);
}

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsSendTo, "psSendTo", "Send To Menu", "Send To")
std::string TpsSendTo::GetPath(TInstallContainer* /*object*/) { return ByFamily(CSIDL_SENDTO, kEmpty, kEmpty); }

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsStartup, "psStartup", "User Startup", "Startup")
std::string TpsStartup::GetPath(TInstallContainer* /*object*/) { return ByFamily(CSIDL_STARTUP, kEmpty, kEmpty); }

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsControlPanel, "psControlPanel", "Control Panel", "Control Panel")
std::string TpsControlPanel::GetPath(TInstallContainer* /*object*/) {
  return ByFamily(CSIDL_CONTROLS, kEmpty, kEmpty);
}

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsFavorites, "psFavorites", "Favorites", "Favorites")
std::string TpsFavorites::GetPath(TInstallContainer* /*object*/) {
  return ByFamily(CSIDL_FAVORITES, kUndefined, kUndefined);
}

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsBitBucket, "psBitBucket", "Recycle bin", "Recycle bin")
std::string TpsBitBucket::GetPath(TInstallContainer* /*object*/) {
  return ByFamily(CSIDL_BITBUCKET, kEmpty, kEmpty);
}

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsCookies, "psCookies", "Cookies", "Cookies")
std::string TpsCookies::GetPath(TInstallContainer* /*object*/) { return ByFamily(CSIDL_COOKIES, kEmpty, kEmpty); }

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsCommonAltStartup, "psCommonAltStartup",
                                        "Alternate Startup folder for (All Users profile)",
                                        "Common Alternate Startup folder")
std::string TpsCommonAltStartup::GetPath(TInstallContainer* /*object*/) {
  return ByFamily(CSIDL_COMMON_ALTSTARTUP, CSIDL_ALTSTARTUP, kEmpty);
}

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsCommonStartup, "psCommonStartup", "Common Startup directory",
                                        "Common Startup")
std::string TpsCommonStartup::GetPath(TInstallContainer* /*object*/) {
  // XP keeps no common Startup folder of its own for setups to use.
  int nt = GetOSVersionType() == oswinXP ? kEmpty : CSIDL_COMMON_STARTUP;
  return ByFamily(nt, CSIDL_STARTUP, kEmpty);
}

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsCommonDesktopDirectory, "psCommonDesktopDirectory",
                                        "Common Desktop Directory", "Common Desktop")
std::string TpsCommonDesktopDirectory::GetPath(TInstallContainer* /*object*/) {
  return ByFamily(CSIDL_COMMON_DESKTOPDIRECTORY, CSIDL_DESKTOPDIRECTORY, kUndefined);
}

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsCommonFavorites, "psCommonFavorites", "Common Favorites",
                                        "Common Favorites")
std::string TpsCommonFavorites::GetPath(TInstallContainer* /*object*/) {
  return ByFamily(CSIDL_COMMON_FAVORITES, CSIDL_FAVORITES, kEmpty);
}

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsCommonPrograms, "psCommonPrograms", "Common Programs", "Common Programs")
std::string TpsCommonPrograms::GetPath(TInstallContainer* /*object*/) {
  return ByFamily(CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS, kEmpty);
}

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsCommonStartMenu, "psCommonStartMenu", "Common Start Menu",
                                        "Common Start Menu")
std::string TpsCommonStartMenu::GetPath(TInstallContainer* /*object*/) {
  return ByFamily(CSIDL_COMMON_STARTMENU, CSIDL_STARTMENU, kEmpty);
}

VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(TpsQuickLaunchMenu, "psQuickLaunchMenu",
                                        "Path of the Quick Launch Toolbar Menu", "Quick Launch Toolbar menu")
std::string TpsQuickLaunchMenu::GetPath(TInstallContainer* /*object*/) {
  std::string app_data = RemoveBackslash(GetSpecialFolderPath(CSIDL_APPDATA));
  if (app_data.empty()) return "undefined";
  return RemoveBackslash(app_data + "\\Microsoft\\Internet Explorer\\Quick Launch");
}

}  // namespace vorlan

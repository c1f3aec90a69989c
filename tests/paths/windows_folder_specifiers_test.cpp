// Run once for each Windows that Wine poses as: the folders each specifier
// answers depend on the family of the running system.

#include "paths/windows_folder_specifiers.h"

#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <memory>

#include "base/file.h"
#include "base/strings.h"
#include "paths/path_expansion.h"
#include "paths/special_folder.h"
#include "paths_fixture.h"
#include "system/os_version.h"
#include "system/registry_routines.h"

namespace vorlan {
namespace {

enum TFamily { kNT2000, kXP, k9x, kOther };

// The Windows Wine was told to pose as for this program ("" when it poses
// as none), from the setting the runner made for the program's file name.
std::string PosedVersion() {
  char path[MAX_PATH];
  std::string name(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  name = name.substr(name.find_last_of('\\') + 1);
  return ReadRegString(hkCurrentUser, "\\Software\\Wine\\AppDefaults\\" + name, "Version", "");
}

// Known from what was asked of Wine, not from what the program makes of it.
TFamily RunningFamily() {
  std::string posed = PosedVersion();
  if (posed == "win95" || posed == "win98" || posed == "winme") return k9x;
  if (posed == "nt40" || posed == "win2k") return kNT2000;
  if (posed == "winxp") return kXP;
  if (posed == "win31" || posed == "nt351") return kOther;
  // Wine's own default is a newer NT, which counts as XP.
  EXPECT_EQ(posed, "");
  EXPECT_EQ(GetOSVersionType(), oswinXP);
  return kXP;
}

// The shell's path of the folder by another route than the one under test.
std::string ShellPath(int csidl) {
  char path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
  return path;
}

TEST(SpecialFolderPath, FileSystemFoldersHaveTheirPathsAndVirtualOnesNone) {
  std::string app_data = GetSpecialFolderPath(CSIDL_APPDATA);
  EXPECT_EQ(app_data, ShellPath(CSIDL_APPDATA));
  EXPECT_TRUE(DirectoryExists(app_data)) << app_data;
  EXPECT_EQ(GetSpecialFolderPath(CSIDL_WINDOWS), RemoveBackslash(ShellPath(CSIDL_WINDOWS)));
  // Wine's shell converts the printers and network folders to their parsing
  // names ("::{...}"), which are no place for files either.
  for (int virtual_folder : {CSIDL_PRINTERS, CSIDL_CONTROLS, CSIDL_BITBUCKET, CSIDL_DRIVES, CSIDL_NETWORK}) {
    EXPECT_EQ(GetSpecialFolderPath(virtual_folder), "") << virtual_folder;
  }
  EXPECT_EQ(GetSpecialFolderPath(0x7E), "");  // no such folder
}

// What a specifier answers on one family: a CSIDL or one of these.
constexpr int kUndefined = -1;
constexpr int kEmpty = -2;

std::string Expected(int answer) {
  if (answer == kUndefined) return "undefined";
  if (answer == kEmpty) return "";
  // Virtual folders have no path (Wine's SHGetFolderPath gives the system
  // directory for the printers).
  if (answer == CSIDL_PRINTERS || answer == CSIDL_CONTROLS || answer == CSIDL_BITBUCKET) return "";
  return ShellPath(answer);
}

class WindowsFoldersTest : public testing::PathsTest {};

TEST_F(WindowsFoldersTest, EachSpecifierAnswersTheFolderOfTheRunningFamily) {
  struct Case {
    std::unique_ptr<TStandardPathSpecifier> specifier;
    const char* name;
    const char* description;
    const char* display_name;
    int answers[4];  // NT 4 and 2000, XP, 9x, other
  };
  Case cases[] = {
      {std::make_unique<TpsPrinters>(nullptr), "psPrinters", "virtual folder containing installed printers",
       "Installed Printers", {CSIDL_PRINTERS, CSIDL_PRINTERS, kUndefined, kUndefined}},
      {std::make_unique<TpsRecent>(nullptr), "psRecent", "Recently Used Documents", "Recently Used",
       {CSIDL_RECENT, CSIDL_RECENT, kUndefined, kUndefined}},
      {std::make_unique<TpsSendTo>(nullptr), "psSendTo", "Send To Menu", "Send To",
       {CSIDL_SENDTO, CSIDL_SENDTO, kEmpty, kEmpty}},
      {std::make_unique<TpsStartup>(nullptr), "psStartup", "User Startup", "Startup",
       {CSIDL_STARTUP, CSIDL_STARTUP, kEmpty, kEmpty}},
      {std::make_unique<TpsControlPanel>(nullptr), "psControlPanel", "Control Panel", "Control Panel",
       {CSIDL_CONTROLS, CSIDL_CONTROLS, kEmpty, kEmpty}},
      {std::make_unique<TpsFavorites>(nullptr), "psFavorites", "Favorites", "Favorites",
       {CSIDL_FAVORITES, CSIDL_FAVORITES, kUndefined, kUndefined}},
      {std::make_unique<TpsBitBucket>(nullptr), "psBitBucket", "Recycle bin", "Recycle bin",
       {CSIDL_BITBUCKET, CSIDL_BITBUCKET, kEmpty, kEmpty}},
      {std::make_unique<TpsCookies>(nullptr), "psCookies", "Cookies", "Cookies",
       {CSIDL_COOKIES, CSIDL_COOKIES, kEmpty, kEmpty}},
      {std::make_unique<TpsCommonAltStartup>(nullptr), "psCommonAltStartup",
       "Alternate Startup folder for (All Users profile)", "Common Alternate Startup folder",
       {CSIDL_COMMON_ALTSTARTUP, CSIDL_COMMON_ALTSTARTUP, CSIDL_ALTSTARTUP, kEmpty}},
      {std::make_unique<TpsCommonStartup>(nullptr), "psCommonStartup", "Common Startup directory", "Common Startup",
       {CSIDL_COMMON_STARTUP, kEmpty, CSIDL_STARTUP, kEmpty}},
      {std::make_unique<TpsCommonDesktopDirectory>(nullptr), "psCommonDesktopDirectory", "Common Desktop Directory",
       "Common Desktop", {CSIDL_COMMON_DESKTOPDIRECTORY, CSIDL_COMMON_DESKTOPDIRECTORY, CSIDL_DESKTOPDIRECTORY,
                          kUndefined}},
      {std::make_unique<TpsCommonFavorites>(nullptr), "psCommonFavorites", "Common Favorites", "Common Favorites",
       {CSIDL_COMMON_FAVORITES, CSIDL_COMMON_FAVORITES, CSIDL_FAVORITES, kEmpty}},
      {std::make_unique<TpsCommonPrograms>(nullptr), "psCommonPrograms", "Common Programs", "Common Programs",
       {CSIDL_COMMON_PROGRAMS, CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS, kEmpty}},
      {std::make_unique<TpsCommonStartMenu>(nullptr), "psCommonStartMenu", "Common Start Menu", "Common Start Menu",
       {CSIDL_COMMON_STARTMENU, CSIDL_COMMON_STARTMENU, CSIDL_STARTMENU, kEmpty}},
  };
  TFamily family = RunningFamily();
  RecordProperty("posed", PosedVersion());
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.specifier->DefaultName(), c.name);
    EXPECT_EQ(c.specifier->GetDescription(), c.description);
    EXPECT_EQ(c.specifier->GetDisplayName(), c.display_name);
    EXPECT_NO_THROW(c.specifier->CheckObject(nullptr));
    std::string expected = Expected(c.answers[family]);
    EXPECT_EQ(c.specifier->GetPath(nullptr), expected);
    // "undefined" stays in the destination; an empty path leaves DestDir alone.
    EXPECT_EQ(ExpandPath(c.specifier.get(), nullptr, "\\x"), expected + "\\x");
  }
}

TEST_F(WindowsFoldersTest, QuickLaunchLiesUnderTheApplicationDataOnEverySystem) {
  TpsQuickLaunchMenu quick_launch(nullptr);
  EXPECT_EQ(quick_launch.DefaultName(), "psQuickLaunchMenu");
  EXPECT_EQ(quick_launch.GetDescription(), "Path of the Quick Launch Toolbar Menu");
  EXPECT_EQ(quick_launch.GetDisplayName(), "Quick Launch Toolbar menu");
  std::string app_data = ShellPath(CSIDL_APPDATA);
  ASSERT_NE(app_data, "");
  EXPECT_EQ(quick_launch.GetPath(nullptr), app_data + "\\Microsoft\\Internet Explorer\\Quick Launch");
}

}  // namespace
}  // namespace vorlan

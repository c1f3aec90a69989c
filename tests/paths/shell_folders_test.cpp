#include "paths/shell_folders.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "base/strings.h"
#include "paths/folder_specifiers.h"
#include "paths/path_expansion.h"
#include "paths_fixture.h"
#include "saved_registry_value.h"
#include "system/system_dirs.h"

namespace vorlan {
namespace {

using testing::TSavedRegistryValue;

const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char kCurrentVersion[] = "Software\\Microsoft\\Windows\\CurrentVersion";

// The registry values the lookups read, put back as they were after each test.
class ShellFoldersTest : public testing::PathsTest {
 protected:
  TSavedRegistryValue start_menu{HKEY_CURRENT_USER, kShellFolders, "Start Menu"};
  TSavedRegistryValue programs{HKEY_CURRENT_USER, kShellFolders, "Programs"};
  TSavedRegistryValue desktop{HKEY_CURRENT_USER, kShellFolders, "Desktop"};
  TSavedRegistryValue startup{HKEY_CURRENT_USER, kShellFolders, "Startup"};
  TSavedRegistryValue program_files{HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramFilesDir"};
  TSavedRegistryValue common_files{HKEY_LOCAL_MACHINE, kCurrentVersion, "CommonFilesDir"};
  TSavedRegistryValue bde_dll_path{HKEY_LOCAL_MACHINE, "Software\\Borland\\Database Engine", "DLLPath"};

  void DeleteAll() {
    for (TSavedRegistryValue* value : {&start_menu, &programs, &desktop, &startup, &program_files, &common_files,
                                       &bde_dll_path}) {
      value->Delete();
    }
  }
};

TEST_F(ShellFoldersTest, EachLookupReadsItsValueWithOneTrailingBackslashRemoved) {
  start_menu.Set("D:\\Menu\\");
  programs.Set("D:\\Menu\\Progs\\\\");
  desktop.Set("D:\\Desk");
  startup.Set("D:\\Boot\\");
  program_files.Set("E:\\Apps\\");
  common_files.Set("E:\\Apps\\Shared");
  EXPECT_EQ(GetStartMenuDir(), "D:\\Menu");
  EXPECT_EQ(GetProgramsMenuDir(), "D:\\Menu\\Progs\\");
  EXPECT_EQ(GetDesktopDir(), "D:\\Desk");
  EXPECT_EQ(GetStartupDir(), "D:\\Boot");
  EXPECT_EQ(GetProgramFilesDir(), "E:\\Apps");
  EXPECT_EQ(GetCommonFilesDir(), "E:\\Apps\\Shared");
}

TEST_F(ShellFoldersTest, MissingValuesGiveTheDefaults) {
  DeleteAll();
  std::string windows = AddBackslash(GetWindowsDir());
  std::string drive = AddBackslash(CurrentDrive());
  EXPECT_EQ(GetStartMenuDir(), windows + "Startmen");
  EXPECT_EQ(GetProgramsMenuDir(), windows + "Startmen\\Programs");
  EXPECT_EQ(GetDesktopDir(), windows + "Desktop");
  EXPECT_EQ(GetStartupDir(), windows + "Startup");
  EXPECT_EQ(GetProgramFilesDir(), drive + "Program Files");
  EXPECT_EQ(GetCommonFilesDir(), drive + "Program Files\\Common Files");

  // Without its own value the Programs folder follows the Start Menu.
  start_menu.Set("D:\\Menu\\");
  EXPECT_EQ(GetProgramsMenuDir(), "D:\\Menu\\Programs");
}

// Puts the process's current directory back when the test ends.
class TCurrentDirGuard {
 public:
  TCurrentDirGuard() { GetCurrentDirectoryA(MAX_PATH, saved_); }
  ~TCurrentDirGuard() { SetCurrentDirectoryA(saved_); }

 private:
  char saved_[MAX_PATH] = {};
};

TEST_F(ShellFoldersTest, TheCurrentDriveIsThatOfTheCurrentDirectory) {
  TCurrentDirGuard guard;
  std::string windows = GetWindowsDir();
  ASSERT_TRUE(SetCurrentDirectoryA(windows.c_str()));
  EXPECT_EQ(CurrentDrive(), windows.substr(0, 2));
  ASSERT_TRUE(SetCurrentDirectoryA("Z:\\"));
  EXPECT_EQ(CurrentDrive(), "Z:");
  program_files.Delete();
  EXPECT_EQ(GetProgramFilesDir(), "Z:\\Program Files");
}

TEST(SavedRegistryValue, PutsBackTypeAndDataOrRemovesWhatTheTestCreated) {
  std::string base = "Software\\VorlanTest\\paths-" + std::to_string(GetCurrentProcessId());
  TSavedRegistryValue test_keys(HKEY_CURRENT_USER, base, "Unused");  // takes away what this test adds
  {
    TSavedRegistryValue value(HKEY_CURRENT_USER, base + "\\Deep", "Dir");
    value.Set("C:\\Temp");
  }
  HKEY key = nullptr;
  EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, base.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);

  const char expandable[] = "%SystemRoot%\\Menu";
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, base.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(key, "Dir", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(expandable), sizeof expandable);
  {
    TSavedRegistryValue value(HKEY_CURRENT_USER, base, "Dir");
    value.Set("C:\\Temp");
  }
  char data[64] = {};
  DWORD type = 0, size = sizeof data;
  EXPECT_EQ(RegQueryValueExA(key, "Dir", nullptr, &type, reinterpret_cast<BYTE*>(data), &size), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_EXPAND_SZ));
  EXPECT_STREQ(data, expandable);
  RegCloseKey(key);
}

TEST_F(ShellFoldersTest, FolderSpecifiersAnswerTheirTextsAndTheLookups) {
  start_menu.Set("D:\\Menu");
  programs.Set("D:\\Menu\\Programs");
  desktop.Set("D:\\Desk");
  startup.Set("D:\\Menu\\Programs\\Startup");
  program_files.Set("C:\\Program Files");
  common_files.Set("C:\\Program Files\\Common Files");
  bde_dll_path.Set("C:\\BDE;D:\\BDE2");
  struct Case {
    std::unique_ptr<TStandardPathSpecifier> specifier;
    const char* name;
    const char* description;
    const char* display_name;
    std::string path;
  };
  Case cases[] = {
      {std::make_unique<TpsBDEDLL>(nullptr), "psBDEDLL", "Borland Database Engine DLL Path", "BDE DLL", "C:\\BDE"},
      {std::make_unique<TpsCommonFiles>(nullptr), "psCommonFiles",
       "Path of the common files directory under the program files directory", "Common files",
       "C:\\Program Files\\Common Files"},
      {std::make_unique<TpsDesktopMenu>(nullptr), "psDesktopMenu", "Path of the Desktop", "Desktop", "D:\\Desk"},
      {std::make_unique<TpsProgramFiles>(nullptr), "psProgramFiles", "Path of the program files directory",
       "Program files", "C:\\Program Files"},
      {std::make_unique<TpsProgramMenu>(nullptr), "psProgramMenu", "Path of the Programs folder under the Start Menu",
       "Program menu", "D:\\Menu\\Programs"},
      {std::make_unique<TpsStartMenu>(nullptr), "psStartMenu", "Path of Start Menu", "Start menu", "D:\\Menu"},
      {std::make_unique<TpsStartupMenu>(nullptr), "psStartupMenu",
       "Path of the Startup folder in the Programs folder under the Start Menu", "Startup menu",
       "D:\\Menu\\Programs\\Startup"},
      {std::make_unique<TpsSystem>(nullptr), "psSystem", "Path of system directory", "System dir",
       RemoveBackslash(GetSystemDir())},
      {std::make_unique<TpsWindow>(nullptr), "psWindow", "Path of the Windows directory", "Windows dir",
       RemoveBackslash(GetWindowsDir())},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.specifier->DefaultName(), c.name);
    EXPECT_EQ(c.specifier->GetDescription(), c.description);
    EXPECT_EQ(c.specifier->GetObjectDescription(nullptr), c.description);
    EXPECT_EQ(c.specifier->GetDisplayName(), c.display_name);
    // Per object, a specifier without texts of its own answers its description.
    EXPECT_EQ(c.specifier->GetObjectDisplayName(nullptr), c.description);
    EXPECT_NO_THROW(c.specifier->CheckObject(nullptr));
    EXPECT_EQ(c.specifier->GetPath(nullptr), c.path);
  }
}

TEST_F(ShellFoldersTest, ProgramFilesDestinationFollowsTheRegistry) {
  TpsProgramFiles root(&form);
  program_files.Set("C:\\Program Files");
  EXPECT_EQ(ExpandPath(&root, nullptr, "\\Company\\Product"), "C:\\Program Files\\Company\\Product");
  program_files.Set("F:\\Software\\");
  EXPECT_EQ(ExpandPath(&root, nullptr, "\\Company\\Product"), "F:\\Software\\Company\\Product");
}

TEST_F(ShellFoldersTest, DatabaseEngineDirIsTheFirstFieldOfItsValueOrUnderProgramFiles) {
  TpsBDEDLL bde(&form);
  program_files.Set("C:\\Program Files");
  struct Case {
    const char* value;  // none: missing
    const char* expected;
  } cases[] = {
      {"C:\\BDE;D:\\BDE2", "C:\\BDE"},
      {"C:\\BDE\\", "C:\\BDE\\"},  // no backslash is removed here
      {";D:\\BDE2", ""},
      {"", "C:\\Program Files\\Borland\\Common Files\\BDE"},
      {nullptr, "C:\\Program Files\\Borland\\Common Files\\BDE"},
  };
  for (const Case& c : cases) {
    if (c.value) {
      bde_dll_path.Set(c.value);
    } else {
      bde_dll_path.Delete();
    }
    EXPECT_EQ(bde.GetPath(nullptr), c.expected) << (c.value ? c.value : "(missing)");
  }
}

}  // namespace
}  // namespace vorlan

// The office folders with no Word, Word 8 and Word 9 registered in the
// machine's classes; every value a test touches is put back as it was.

#include "paths/office_folder_specifiers.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "base/strings.h"
#include "paths/office_paths.h"
#include "paths_fixture.h"
#include "saved_registry_value.h"
#include "system/system_dirs.h"
#include "win_test_support.h"

namespace vorlan {
namespace {

using testing::TSavedRegistryValue;
using testing::TTempDir;

const char kServer[] = "\\protocol\\StdFileEditing\\server";

// The settings one Word version would read under one key of the suite.
struct TWordSettings {
  explicit TWordSettings(const std::string& suite)
      : local_templates(HKEY_CURRENT_USER, suite + "\\Common\\FileNew\\LocalTemplates", ""),
        shared_templates(HKEY_CURRENT_USER, suite + "\\Common\\FileNew\\SharedTemplates", ""),
        picture(HKEY_CURRENT_USER, suite + "\\Word\\Options", "PICTURE-PATH"),
        startup(HKEY_CURRENT_USER, suite + "\\Word\\Options", "STARTUP-PATH"),
        tools(HKEY_CURRENT_USER, suite + "\\Word\\Options", "TOOLS-PATH") {}

  // Each setting names a folder under root, with a trailing backslash.
  void SetAll(const std::string& root) const {
    local_templates.Set(root + "\\Templates\\");
    shared_templates.Set(root + "\\Shared\\");
    picture.Set(root + "\\Clip\\");
    startup.Set(root + "\\Startup\\");
    tools.Set(root + "\\Tools\\");
  }

  TSavedRegistryValue local_templates, shared_templates, picture, startup, tools;
};

class OfficeFoldersTest : public testing::PathsTest {
 protected:
  OfficeFoldersTest() {
    program_files.Set("E:\\Apps\\");
    testing::WriteWholeFile(word_exe, "MZ");
    for (TSavedRegistryValue* value : {&current_word, &word8_server, &word9_server, &unversioned_server,
                                       &lettered_server}) {
      value->Delete();
    }
  }

  // Registers Word under the class name whose server is the given program.
  void RegisterWord(TSavedRegistryValue& server, const std::string& class_name, const std::string& program) {
    current_word.Set(class_name);
    server.Set(program);
  }

  TTempDir temp;
  std::string word_exe = temp.Path("WINWORD.EXE");
  TSavedRegistryValue program_files{HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion",
                                    "ProgramFilesDir"};
  TSavedRegistryValue favorites{HKEY_CURRENT_USER,
                                "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Favorites"};
  TSavedRegistryValue current_word{HKEY_CLASSES_ROOT, "Word.Document\\CurVer", ""};
  TSavedRegistryValue word8_server{HKEY_CLASSES_ROOT, std::string("Word.Document.8") + kServer, ""};
  TSavedRegistryValue word9_server{HKEY_CLASSES_ROOT, std::string("Word.Document.9") + kServer, ""};
  TSavedRegistryValue unversioned_server{HKEY_CLASSES_ROOT, std::string("Word.Document") + kServer, ""};
  TSavedRegistryValue lettered_server{HKEY_CLASSES_ROOT, std::string("Word.Document.x") + kServer, ""};
  // Where Word 8 and Word 9 read, and where each of them must not.
  TWordSettings word8{"Software\\Microsoft\\Office\\8.0"};
  TWordSettings word9{"Software\\Policies\\Microsoft\\Office\\9.0"};
  TWordSettings not_word8{"Software\\Policies\\Microsoft\\Office\\8.0"};
  TWordSettings not_word9{"Software\\Microsoft\\Office\\9.0"};
};

TEST_F(OfficeFoldersTest, WordVersionIsThatOfTheCurrentClassWhoseServerIsOnTheDisk) {
  struct Case {
    const char* class_name;  // none: no current version
    TSavedRegistryValue* server;
    std::string program;
    int version;
  } cases[] = {
      {nullptr, nullptr, "", -1},
      {"Word.Document.8", &word8_server, word_exe, 8},
      {"Word.Document.9", &word9_server, word_exe, 9},
      {"Word.Document.8", &word8_server, temp.Path("missing.exe"), -1},
      {"Word.Document.8", &word8_server, temp.Dir(), -1},  // a directory is no program
      {"Word.Document.8", &word8_server, "", -1},
      {"Word.Document", &unversioned_server, word_exe, -1},
      {"Word.Document.x", &lettered_server, word_exe, -1},
      {"", nullptr, "", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.class_name ? c.class_name : "(none)") + " " + c.program);
    current_word.Delete();
    if (c.class_name) current_word.Set(c.class_name);
    if (c.server) c.server->Set(c.program);
    EXPECT_EQ(GetWordVersion(), c.version);
  }
  // Without its server key the class names no Word.
  word8_server.Restore();
  current_word.Set("Word.Document.8");
  EXPECT_EQ(GetWordVersion(), -1);
}

TEST_F(OfficeFoldersTest, SettingsKeysFollowTheWordVersion) {
  EXPECT_EQ(OfficeFileNewKey("LocalTemplates"), "");
  EXPECT_EQ(OfficeWordOptionsKey(), "");
  RegisterWord(word8_server, "Word.Document.8", word_exe);
  EXPECT_EQ(OfficeFileNewKey("LocalTemplates"), "\\Software\\Microsoft\\Office\\8.0\\Common\\FileNew\\LocalTemplates");
  EXPECT_EQ(OfficeWordOptionsKey(), "\\Software\\Microsoft\\Office\\8.0\\Word\\Options");
  RegisterWord(word9_server, "Word.Document.9", word_exe);
  EXPECT_EQ(OfficeFileNewKey("SharedTemplates"),
            "\\Software\\Policies\\Microsoft\\Office\\9.0\\Common\\FileNew\\SharedTemplates");
  EXPECT_EQ(OfficeWordOptionsKey(), "\\Software\\Policies\\Microsoft\\Office\\9.0\\Word\\Options");
}

// Each specifier with its texts, and the folder it answers.
struct TOfficeCase {
  std::unique_ptr<TStandardPathSpecifier> specifier;
  const char* name;
  const char* description;
  const char* display_name;
};

std::vector<TOfficeCase> OfficeSpecifiers() {
  std::vector<TOfficeCase> cases;
  cases.push_back({std::make_unique<TpsOfficeUserTemplates>(nullptr), "psOfficeUserTemplates",
                   "Path to the MS Office User Templates directory", "User Templates"});
  cases.push_back({std::make_unique<TpsOfficeWorkgroupTemplates>(nullptr), "psOfficeWorkgroupTemplates",
                   "Path to the MS Office Workgroup Templates directory", "Workgroup Templates"});
  cases.push_back({std::make_unique<TpsOfficeClipartDirectory>(nullptr), "psOfficeClipartDirectory",
                   "Path to the MS Office Clipart directory", "Office Clipart dir"});
  cases.push_back({std::make_unique<TpsOfficeStartupDirectory>(nullptr), "psOfficeStartupDirectory",
                   "Path to the MS Office Startup directory", "Office Startup dir"});
  cases.push_back({std::make_unique<TpsOfficeToolsDirectory>(nullptr), "psOfficeToolsDirectory",
                   "Path to the MS Office Tools directory", "Office Tools dir"});
  cases.push_back({std::make_unique<TpsOfficeFavoritesDirectory>(nullptr), "psOfficeFavoritesDirectory",
                   "Path to the MS Office Favorites directory", "Office Favorites dir"});
  return cases;
}

// The paths of OfficeSpecifiers, in their order.
std::vector<std::string> Paths(const std::vector<TOfficeCase>& cases) {
  std::vector<std::string> paths;
  for (const TOfficeCase& c : cases) paths.push_back(c.specifier->GetPath(nullptr));
  return paths;
}

TEST_F(OfficeFoldersTest, WithoutWordTheFoldersLieUnderProgramFiles) {
  word8.SetAll("D:\\W8");  // read by no one while no Word is registered
  favorites.Set("D:\\Fav\\");
  std::vector<TOfficeCase> cases = OfficeSpecifiers();
  for (const TOfficeCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.specifier->DefaultName(), c.name);
    EXPECT_EQ(c.specifier->GetDescription(), c.description);
    EXPECT_EQ(c.specifier->GetDisplayName(), c.display_name);
    EXPECT_NO_THROW(c.specifier->CheckObject(nullptr));
  }
  EXPECT_EQ(Paths(cases), (std::vector<std::string>{
                              "E:\\Apps\\Microsoft Office\\Templates",
                              "E:\\Apps\\Microsoft Office\\Templates",  // the user templates serve the group
                              "E:\\Apps\\Microsoft Office\\Clipart",
                              "E:\\Apps\\Microsoft Office\\Office\\Startup",
                              "E:\\Apps\\Microsoft Office\\Office",
                              "D:\\Fav",
                          }));
  // A server that is gone counts as no Word.
  RegisterWord(word8_server, "Word.Document.8", temp.Path("missing.exe"));
  EXPECT_EQ(Paths(cases)[2], "E:\\Apps\\Microsoft Office\\Clipart");
}

TEST_F(OfficeFoldersTest, EachWordVersionReadsItsOwnSettings) {
  word8.SetAll("D:\\W8");
  word9.SetAll("D:\\W9");
  not_word8.SetAll("X:\\Wrong");
  not_word9.SetAll("X:\\Wrong");
  favorites.Set("D:\\Fav");
  std::vector<TOfficeCase> cases = OfficeSpecifiers();
  struct Version {
    TSavedRegistryValue* server;
    const char* class_name;
    const char* root;
  } versions[] = {{&word8_server, "Word.Document.8", "D:\\W8"}, {&word9_server, "Word.Document.9", "D:\\W9"}};
  for (const Version& v : versions) {
    SCOPED_TRACE(v.class_name);
    RegisterWord(*v.server, v.class_name, word_exe);
    std::string root = v.root;
    EXPECT_EQ(Paths(cases), (std::vector<std::string>{root + "\\Templates", root + "\\Shared", root + "\\Clip",
                                                      root + "\\Startup", root + "\\Tools", "D:\\Fav"}));
  }
}

TEST_F(OfficeFoldersTest, MissingSettingsOfARegisteredWordGiveTheDefaults) {
  RegisterWord(word8_server, "Word.Document.8", word_exe);
  favorites.Delete();
  std::vector<TOfficeCase> cases = OfficeSpecifiers();
  EXPECT_EQ(Paths(cases), (std::vector<std::string>{
                              "E:\\Apps\\Microsoft Office\\Templates",
                              "E:\\Apps\\Microsoft Office\\Templates",
                              "E:\\Apps\\Microsoft Office\\Clipart",
                              "E:\\Apps\\Microsoft Office\\Office\\Startup",
                              "E:\\Apps\\Microsoft Office\\Office",
                              AddBackslash(GetWindowsDir()) + "Favorites",
                          }));

  // Without a workgroup folder of its own, or with an empty one, the group
  // shares the user templates.
  TpsOfficeWorkgroupTemplates workgroup(nullptr);
  word8.local_templates.Set("D:\\Mine\\");
  EXPECT_EQ(workgroup.GetPath(nullptr), "D:\\Mine");
  word8.shared_templates.Set("  ");
  EXPECT_EQ(workgroup.GetPath(nullptr), "D:\\Mine");
  word8.shared_templates.Set("\\\\server\\templates\\");
  EXPECT_EQ(workgroup.GetPath(nullptr), "\\\\server\\templates");
}

TEST_F(OfficeFoldersTest, ClipartOfWord8AndWord9) {
  TpsOfficeClipartDirectory clipart(nullptr);
  EXPECT_EQ(clipart.GetPath(nullptr), "E:\\Apps\\Microsoft Office\\Clipart");
  RegisterWord(word8_server, "Word.Document.8", word_exe);
  word8.picture.Set("D:\\Clip\\");
  EXPECT_EQ(clipart.GetPath(nullptr), "D:\\Clip");
  // Word 9 reads the administrator's policies, not the suite's own key.
  RegisterWord(word9_server, "Word.Document.9", word_exe);
  not_word9.picture.Set("D:\\Clip\\");
  EXPECT_EQ(clipart.GetPath(nullptr), "E:\\Apps\\Microsoft Office\\Clipart");
  word9.picture.Set("D:\\Clip9\\");
  EXPECT_EQ(clipart.GetPath(nullptr), "D:\\Clip9");
}

}  // namespace
}  // namespace vorlan

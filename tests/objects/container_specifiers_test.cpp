#include "objects/container_specifiers.h"

#include <gtest/gtest.h>

#include <functional>

#include "objects/main_archive_file.h"
#include "paths/ensure_path_specifier.h"
#include "paths/path_exceptions.h"
#include "paths/path_specifier_class_list.h"
#include "paths/path_specifier_list.h"
#include "tree_objects.h"

namespace vorlan {
namespace {

using testing::TPathTestDir;
using testing::TTestEngine;
using testing::TPathTestFile;
using testing::TPathTestLink;
using testing::TreeTest;

// The message an operation raises, or "" when it raises nothing.
std::string Raised(const std::function<void()>& operation) {
  try {
    operation();
  } catch (const Exception& e) {
    return e.Message();
  }
  return "";
}

template <typename T>
T& Named(TComponent& form, const std::string& name) {
  auto* object = new T(&form);
  object->SetName(name);
  return *object;
}

class ContainerSpecifiersTest : public testing::TreeTest {
 protected:
  ContainerSpecifiersTest() { EnsurePathSpecifiers(&form); }

  template <typename T>
  T& Standard() {
    return AllPathSpecifiers().FindByClass<T>();
  }
};

const char* const kCoreNames[] = {
    "psBDEDLL",       "psCommonFiles",  "psContainerArchiveFile", "psContainerDestDir", "psDesktopMenu",
    "psInstallSource", "psMainInstall", "psProgramFiles",         "psProgramMenu",      "psStartMenu",
    "psStartupMenu",  "psSystem",       "psMainArchiveFile",      "psWindow"};
const char* const kWindowsNames[] = {
    "psPrinters",         "psRecent",           "psSendTo",       "psStartup",
    "psControlPanel",     "psFavorites",        "psBitBucket",    "psCookies",
    "psCommonAltStartup", "psCommonStartup",    "psCommonDesktopDirectory",
    "psCommonFavorites",  "psCommonPrograms",   "psCommonStartMenu", "psQuickLaunchMenu"};
const char* const kOfficeNames[] = {"psOfficeUserTemplates",    "psOfficeWorkgroupTemplates",
                                    "psOfficeClipartDirectory", "psOfficeStartupDirectory",
                                    "psOfficeToolsDirectory",   "psOfficeFavoritesDirectory"};

TEST_F(TreeTest, TheTreesClassesRegisterInTheirPlacesAmongTheCoreThenWindowsThenOfficeClasses) {
  std::vector<std::string> names;
  for (int i = 0; i < PathSpecifierClasses().Count(); ++i) names.push_back(PathSpecifierClasses().Items(i).Name());
  EXPECT_EQ(names, (std::vector<std::string>{
                       "TpsBDEDLL", "TpsCommonFiles", "TpsContainerArchiveFile", "TpsContainerDestDir",
                       "TpsDesktopMenu", "TpsInstallSource", "TpsMainInstall", "TpsProgramFiles", "TpsProgramMenu",
                       "TpsStartMenu", "TpsStartupMenu", "TpsSystem", "TpsMainArchiveFile", "TpsWindow",
                       "TpsPrinters", "TpsRecent", "TpsSendTo", "TpsStartup", "TpsControlPanel", "TpsFavorites",
                       "TpsBitBucket", "TpsCookies", "TpsCommonAltStartup", "TpsCommonStartup",
                       "TpsCommonDesktopDirectory", "TpsCommonFavorites", "TpsCommonPrograms", "TpsCommonStartMenu",
                       "TpsQuickLaunchMenu",
                       "TpsOfficeUserTemplates", "TpsOfficeWorkgroupTemplates", "TpsOfficeClipartDirectory",
                       "TpsOfficeStartupDirectory", "TpsOfficeToolsDirectory", "TpsOfficeFavoritesDirectory"}));
}

TEST_F(TreeTest, TheFirstInstallObjectOnAFormBringsTheCoreThenTheWindowsThenTheOfficeSpecifiers) {
  Named<TPathTestFile>(form, "File1");
  std::vector<std::string> held;
  for (int i = 0; i < form.ComponentCount(); ++i) held.push_back(form.Components(i)->Name());
  std::vector<std::string> expected{"File1"};
  expected.insert(expected.end(), std::begin(kCoreNames), std::end(kCoreNames));
  expected.insert(expected.end(), std::begin(kWindowsNames), std::end(kWindowsNames));
  expected.insert(expected.end(), std::begin(kOfficeNames), std::end(kOfficeNames));
  EXPECT_EQ(held, expected);

  Named<TPathTestDir>(form, "Dir1");
  EXPECT_EQ(form.ComponentCount(), static_cast<int>(expected.size()) + 1);
  // Outside a form nothing is brought along.
  TPathTestFile loose(nullptr);
  EXPECT_EQ(AllPathSpecifiers().Count(), static_cast<int>(expected.size()) - 1);
}

TEST_F(ContainerSpecifiersTest, RefusalsAtCheckAndAgainAtExpansion) {
  auto& bare = Named<TInstallContainer>(form, "Bare");  // in no tree at all
  auto& lone = Named<TPathTestFile>(form, "Lone");
  auto& link_parent = Named<TPathTestLink>(form, "LinkParent");
  auto& under_link = Named<TPathTestFile>(form, "UnderLink");
  under_link.SetContainer(&link_parent);
  struct Case {
    TCustomPathSpecifier* specifier;
    TInstallContainer* object;
    const char* message;
  } cases[] = {
      {&Standard<TpsContainerArchiveFile>(), &bare,
       "Bare must be a TInstallObject to use the psContainerArchiveFile path specifier"},
      {&Standard<TpsContainerArchiveFile>(), &lone, "Cannot use ddContainerArchiveFile for Lone unless you assign a Container"},
      {&Standard<TpsContainerArchiveFile>(), &under_link,
       "Cannot use the ddContainerArchiveFile path specifier for UnderLink because the Container is not a "
       "TFileRelated descendant"},
      {&Standard<TpsContainerDestDir>(), &bare, "Bare must be a TInstallObject to use the psContainerDestDir path specifier"},
      {&Standard<TpsContainerDestDir>(), &lone, "Cannot use ddContainerDestDir for Lone unless you assign a Container"},
      {&Standard<TpsInstallSource>(), &lone,
       "There is no TInstall component so the path specifier could not be expanded for Lone"},
      {&Standard<TpsMainInstall>(), &lone,
       "There is no TInstall component so the path specifier could not be expanded for Lone"},
      {&Standard<TpsMainArchiveFile>(), &lone,
       "There is no TInstall component so the path specifier could not be expanded for Lone"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.specifier->Name());
    EXPECT_EQ(Raised([&] { c.specifier->CheckObject(c.object); }), c.message);
    EXPECT_EQ(Raised([&] { c.specifier->GetPath(c.object); }), c.message);
  }
  EXPECT_THROW(Standard<TpsContainerDestDir>().CheckObject(nullptr), IEPathSpecifier);
}

TEST_F(ContainerSpecifiersTest, RefusalsAreTranslatedBeforeTheNameIsFilledIn) {
  auto& lone = Named<TPathTestFile>(form, "Lone");
  SetMessageTranslation([](const std::string& text) {
    return text == "Cannot use ddContainerDestDir for %s unless you assign a Container" ? "Ohne Container: %s" : text;
  });
  std::string message = Raised([&] { Standard<TpsContainerDestDir>().CheckObject(&lone); });
  SetMessageTranslation(nullptr);
  EXPECT_EQ(message, "Ohne Container: Lone");
}

TEST_F(ContainerSpecifiersTest, TheEngineCannotLieInsideItself) {
  auto& engine = Named<TTestEngine>(form, "Install1");
  std::string message = "Cannot use the ddMainInstallDir path specifier for a TInstall component";
  EXPECT_EQ(Raised([&] { Standard<TpsMainInstall>().GetPath(&engine); }), message);
  // Refused at assignment, so the engine keeps what it had.
  EXPECT_EQ(Raised([&] { engine.SetDestDirType(&Standard<TpsMainInstall>()); }), message);
  EXPECT_EQ(engine.DestDirType(), nullptr);
}

class EngineTreeTest : public ContainerSpecifiersTest {
 protected:
  EngineTreeTest() {
    engine.SetDestDir("C:\\Apps\\Product\\");
    dir.SetContainer(&engine);
    dir.SetDestDir("\\Sub");
    file.SetContainer(&dir);
  }

  TTestEngine& engine = Named<TTestEngine>(form, "Install1");
  TPathTestDir& dir = Named<TPathTestDir>(form, "Dir1");
  TPathTestFile& file = Named<TPathTestFile>(form, "File1");
};

TEST_F(EngineTreeTest, DestinationsFollowTheContainersUpToTheEngine) {
  EXPECT_EQ(engine.GetDestinationPath(), "C:\\Apps\\Product");
  EXPECT_EQ(dir.DestDirType(), &Standard<TpsContainerDestDir>());
  EXPECT_EQ(dir.GetDestinationPath(), "C:\\Apps\\Product\\Sub");
  // An empty DestDir under the container's root is the container's own.
  EXPECT_EQ(file.GetDestinationPath(), dir.GetDestinationPath());

  file.SetDestDirType(&Standard<TpsMainInstall>());
  file.SetDestDir("\\Help");
  EXPECT_EQ(file.GetDestinationPath(), "C:\\Apps\\Product\\Help");
  file.SetDestDirType(&Standard<TpsInstallSource>());
  EXPECT_EQ(file.GetDestinationPath(), "C:\\Setup\\Help");

  // A container whose path keeps a backslash loses it under the child.
  dir.SetDestDir("\\Sub\\\\");
  EXPECT_EQ(dir.GetDestinationPath(), "C:\\Apps\\Product\\Sub\\");
  file.SetDestDirType(&Standard<TpsContainerDestDir>());
  file.SetDestDir("");
  EXPECT_EQ(file.GetDestinationPath(), "C:\\Apps\\Product\\Sub");
}

TEST_F(EngineTreeTest, ArchivesComeFromTheContainerOrTheMainArchive) {
  dir.SetArchiveFileType(&Standard<TpsMainArchiveFile>());
  EXPECT_EQ(file.ArchiveFileType(), &Standard<TpsContainerArchiveFile>());
  EXPECT_EQ(file.GetArchivePath(), "C:\\Setup\\files.1");

  auto& main = Standard<TpsMainArchiveFile>();
  struct Case {
    bool self_extracting;
    const char* switch_text;
    const char* disk_dir;
    const char* expected;
  } cases[] = {
      {false, "", "", "C:\\Setup\\files.1"},
      {false, "", "   ", "C:\\Setup\\files.1"},
      {false, "", "A:\\", "A:\\files.1"},
      {false, "", "A:\\Disk2", "A:\\Disk2\\files.1"},
      {true, "Setup.exe", "A:\\", "C:\\Setup\\Setup.exe"},
  };
  for (const Case& c : cases) {
    engine.self_extracting = c.self_extracting;
    engine.self_extract_text = c.switch_text;
    main.SetCurrentDiskDir(c.disk_dir);
    EXPECT_EQ(main.GetPath(&dir), c.expected) << c.disk_dir;
  }
  engine.self_extracting = true;
  engine.self_extract_text = "  ";
  try {
    file.GetArchivePath();
    FAIL() << "a blank -e switch expanded";
  } catch (const IEInstall& e) {
    EXPECT_STREQ(e.what(),
                 "You forgot to pass in the name of the self-extracting executable. Usage example: \"-eSetup.exe\"");
  }
}

TEST_F(EngineTreeTest, ANewDiskIsRecordedInTheFirstMainArchiveSpecifier) {
  auto& main = Standard<TpsMainArchiveFile>();
  SetMainArchiveDiskDir("B:\\Disk3\\");
  EXPECT_EQ(main.CurrentDiskDir(), "B:\\Disk3");
  EXPECT_EQ(main.GetPath(&engine), "B:\\Disk3\\files.1");
  delete &main;
  EXPECT_NO_THROW(SetMainArchiveDiskDir("B:\\"));
}

TEST_F(EngineTreeTest, ContainerRootDescribesItselfByTheContainer) {
  auto& root = Standard<TpsContainerDestDir>();
  auto& link = Named<TPathTestLink>(form, "Link1");
  struct Case {
    TInstallContainer* object;
    const char* description;
    const char* display_name;
  } cases[] = {
      {&dir, "Main installation directory", "Main installation directory"},
      {&file, "Path of the <Dir1> group", "<Dir1>"},
      {&link, "Path of the group (container)", "Path of the group (container)"},  // no container
      {nullptr, "Path of the group (container)", "Path of the group (container)"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(root.GetObjectDescription(c.object), c.description);
    EXPECT_EQ(root.GetObjectDisplayName(c.object), c.display_name);
  }
  EXPECT_EQ(root.GetDisplayName(), "Path of the group (container)");
}

TEST_F(ContainerSpecifiersTest, TextsOfTheTreeSpecifiers) {
  struct Case {
    TCustomPathSpecifier* specifier;
    const char* name;
    const char* description;
    const char* display_name;
  } cases[] = {
      {&Standard<TpsContainerArchiveFile>(), "psContainerArchiveFile", "Path to the archive file of the container",
       "Container archive file"},
      {&Standard<TpsContainerDestDir>(), "psContainerDestDir", "Path of the group (container)",
       "Path of the group (container)"},
      {&Standard<TpsInstallSource>(), "psInstallSource", "Path from which the user ran the install", "Install source"},
      {&Standard<TpsMainInstall>(), "psMainInstall", "Main installation directory", "Main install dir"},
      {&Standard<TpsMainArchiveFile>(), "psMainArchiveFile",
       "Archive containing most or all non-internet installation files", "Main archive"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.specifier->Name(), c.name);
    EXPECT_EQ(c.specifier->DefaultName(), c.name);
    EXPECT_EQ(c.specifier->GetDescription(), c.description);
    EXPECT_EQ(c.specifier->GetDisplayName(), c.display_name);
  }
}

}  // namespace
}  // namespace vorlan

#include <gtest/gtest.h>

#include "links/install_main_link.h"
#include "links/install_shell_link.h"
#include "links/main_link_group.h"
#include "links/ps_object_link.h"
#include "link_fixture.h"
#include "objects/install_directory.h"
#include "objects/install_file.h"
#include "objects/container_specifiers.h"
#include "paths/folder_specifiers.h"
#include "paths/path_exceptions.h"
#include "paths/path_specifier_list.h"
#include "paths/shell_folders.h"

namespace vorlan {
namespace {

using links_test::LinkFixture;

class LinkPropertiesTest : public LinkFixture {};

struct TNameCase {
  const char* previous;
  const char* assigned;
  const char* stored;
};

class LinkNameTest : public LinkFixture, public ::testing::WithParamInterface<TNameCase> {};

TEST_P(LinkNameTest, StoresACleanNameWithAShortcutExtension) {
  auto* link = Make<TInstallShellLink>("Link");
  link->SetLinkName(GetParam().previous);
  link->SetLinkName(GetParam().assigned);
  EXPECT_EQ(link->LinkName(), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Names, LinkNameTest,
                         ::testing::Values(TNameCase{"", "Help", "Help.LNK"},
                                           TNameCase{"Site.URL", "Help", "Help.URL"},
                                           TNameCase{"Old.lnk", "Help", "Help.LNK"},
                                           TNameCase{"", "a/b?x", "a_b_x.LNK"},
                                           TNameCase{"", "\"q*<r>|s\".lnk", "_q__r__s_.lnk"},
                                           TNameCase{"", "Tools\\C:Edit.lnk", "Tools\\C:Edit.lnk"},
                                           TNameCase{"", "Home.url", "Home.url"},
                                           TNameCase{"", "Readme.txt", "Readme.LNK"},
                                           TNameCase{"", "  ", "  "}));

TEST_F(LinkPropertiesTest, InternetShortcutNameDropsTheObjectTarget) {
  auto* directory = Make<TInstallDirectory>("Directory");
  auto* link = Make<TInstallShellLink>("Link");
  link->SetObjectLink(directory);
  link->SetLinkName("Home.URL");
  EXPECT_EQ(link->ObjectLink(), nullptr);
  EXPECT_EQ(link->ObjectLocationType(), nullptr);
}

TEST_F(LinkPropertiesTest, ObjectLinkNamesTheShortcutAfterItsTarget) {
  auto* directory = Make<TInstallDirectory>("Directory");
  directory->SetDescription("Samples");
  auto* file = Make<TInstallFile>("File");
  file->SetContainer(directory);
  file->SetDestName("viewer.exe");
  auto* folder = Make<TMainLinkGroup>("Folder");

  auto* link = Make<TInstallShellLink>("Link");
  link->SetObjectLocation("C:\\elsewhere");
  link->SetObjectLink(file);
  EXPECT_EQ(link->LinkName(), "viewer.lnk");
  EXPECT_EQ(link->ObjectLocation(), "");
  EXPECT_EQ(link->ObjectLocationType(), &StandardPathSpecifiers().FindByClass<TpsObjectLink>());
  // A shortcut without a container goes where its target goes.
  EXPECT_EQ(link->Container(), file);

  link->SetObjectLink(directory);
  EXPECT_EQ(link->LinkName(), "Samples.lnk");
  EXPECT_EQ(link->Container(), file);
  link->SetObjectLink(folder);
  EXPECT_EQ(link->LinkName(), "Folder.lnk");

  link->SetObjectLink(nullptr);
  EXPECT_EQ(link->ObjectLink(), nullptr);
  EXPECT_EQ(link->ObjectLocationType(), nullptr);
}

struct TLocationCase {
  const char* link_name;
  const char* location;
  const char* stored;
};

class ObjectLocationTest : public LinkFixture, public ::testing::WithParamInterface<TLocationCase> {};

TEST_P(ObjectLocationTest, NamesAShortcutThatHasNoNameYet) {
  auto* link = Make<TInstallShellLink>("Link");
  link->SetLinkName(GetParam().link_name);
  link->SetObjectLocation(GetParam().location);
  EXPECT_EQ(link->ObjectLocation(), GetParam().location);
  EXPECT_EQ(link->LinkName(), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Locations, ObjectLocationTest,
                         ::testing::Values(TLocationCase{"", "http://intranet", "intranet.URL"},
                                           TLocationCase{"", "Go to HTTP://intranet", "intranet.URL"},
                                           TLocationCase{".lnk", "ftp://files.example.com/pub", "files.example.com_pub.URL"},
                                           TLocationCase{"", "C:\\Tools\\edit.exe", "edit.LNK"},
                                           TLocationCase{" .LNK ", "\\docs\\guide.txt", "guide.LNK"},
                                           TLocationCase{"Mine.lnk", "http://intranet", "Mine.lnk"}));

TEST_F(LinkPropertiesTest, FreeLocationReplacesTheObjectLinkSpecifier) {
  auto* directory = Make<TInstallDirectory>("Directory");
  auto* link = Make<TInstallShellLink>("Link");
  link->SetObjectLink(directory);
  link->SetObjectLocation("\\bin");
  EXPECT_EQ(link->ObjectLocationType(), nullptr);
  EXPECT_EQ(link->ObjectLink(), directory);
}

TEST_F(LinkPropertiesTest, ObjectLinkSpecifierServesOnlyShortcutsWithATarget) {
  auto* link = Make<TInstallShellLink>("Link");
  auto& object_link = StandardPathSpecifiers().FindByClass<TpsObjectLink>();
  try {
    link->SetObjectLocationType(&object_link);
    FAIL() << "a shortcut without ObjectLink took psObjectLink";
  } catch (const IEPathSpecifier& error) {
    EXPECT_STREQ(error.what(), "Cannot use ddObjectLink for Link unless you assign a value to ObjectLink");
  }
  EXPECT_EQ(link->ObjectLocationType(), nullptr);

  auto* directory = Make<TInstallDirectory>("Directory");
  try {
    object_link.CheckObject(directory);
    FAIL() << "a directory took psObjectLink";
  } catch (const IEPathSpecifier& error) {
    EXPECT_STREQ(error.what(), "Directory must be a TCustomInstallShellLink to use the psObjectLink path specifier");
  }

  link->SetObjectLink(directory);
  link->SetObjectLocation("\\x");
  link->SetObjectLocationType(&object_link);
  EXPECT_EQ(link->ObjectLocation(), "");
  EXPECT_EQ(link->ObjectLocationType(), &object_link);
}

TEST_F(LinkPropertiesTest, TargetIsTheSpecifierPathFollowedByTheLocation) {
  auto* link = Make<TInstallShellLink>("Link");
  link->SetObjectLocation("\\Tools\\");
  EXPECT_EQ(link->GetTargetPath(), "\\Tools");
  link->SetObjectLocationType(MakeSpecifier("psRoot", "D:\\Root"));
  EXPECT_EQ(link->GetTargetPath(), "D:\\Root\\Tools\\");

  auto* directory = Make<TInstallDirectory>("Directory");
  directory->SetDestDirType(MakeSpecifier("psApp", "E:\\App\\"));
  auto* file = Make<TInstallFile>("File");
  file->SetContainer(directory);
  file->SetDestName("run.exe");
  link->SetObjectLink(file);
  EXPECT_EQ(link->GetTargetPath(), "E:\\App\\run.exe");
  link->SetObjectLink(directory);
  EXPECT_EQ(link->GetTargetPath(), "E:\\App");
}

TEST_F(LinkPropertiesTest, FormHoldsOneObjectLinkSpecifier) {
  Make<TInstallShellLink>("First");
  Make<TInstallShellLink>("Second");
  int found = 0;
  for (int i = 0; i < form.ComponentCount(); ++i) found += dynamic_cast<TpsObjectLink*>(form.Components(i)) ? 1 : 0;
  EXPECT_EQ(found, 1);
  EXPECT_NE(form.FindComponent("psObjectLink"), nullptr);
}

TEST_F(LinkPropertiesTest, ListsHoldTheShortcutsInCreationOrder) {
  Make<TMainLinkGroup>("Folder");
  auto* first = Make<TInstallShellLink>("First");
  auto* main = Make<TInstallMainLink>("Main");
  EXPECT_EQ(AllShellLinks()->Items(), (std::vector<TCustomInstallShellLink*>{first, main}));
  EXPECT_EQ(MainLinks()->Items(), (std::vector<TCustomInstallShellLink*>{main}));
  delete main;
  EXPECT_EQ(AllShellLinks()->Items(), (std::vector<TCustomInstallShellLink*>{first}));
  EXPECT_EQ(MainLinks()->Count(), 0);
  try {
    AllShellLinks()->Add(nullptr);
    FAIL() << "a blank entry was added";
  } catch (const IEInstallShellLinkList& error) {
    EXPECT_STREQ(error.what(), "Cannot add a blank entry to the shell link list");
  }
}

TEST_F(LinkPropertiesTest, ProjectHasOneMainFolderInTheProgramsMenu) {
  auto* folder = Make<TMainLinkGroup>("Folder");
  EXPECT_EQ(MainLinkGroup(), folder);
  EXPECT_EQ(folder->DestDir(), "\\MainFolderName");
  EXPECT_FALSE(folder->AutoProcess());
  EXPECT_TRUE(folder->Include());
  EXPECT_EQ(folder->TypeCode(), type_code::kLinkGroup);
  auto* program_menu = &StandardPathSpecifiers().FindByClass<TpsProgramMenu>();
  EXPECT_EQ(folder->DestDirType(), program_menu);
  folder->SetDestDirType(MakeSpecifier("psElsewhere", "C:\\"));
  EXPECT_EQ(folder->DestDirType(), program_menu);
  try {
    Make<TMainLinkGroup>("Second");
    FAIL() << "a second main folder was made";
  } catch (const IEShellLinkGroup& error) {
    EXPECT_STREQ(error.what(), "You can only have one TMainLinkGroup component in your project");
  }
  EXPECT_EQ(form.FindComponent("Second"), nullptr);
  delete folder;
  EXPECT_EQ(MainLinkGroup(), nullptr);
  MakeEngine();
  auto* again = Make<TMainLinkGroup>("Again");
  EXPECT_EQ(again->DestDir(), "\\" + engine->product_name);
}

TEST_F(LinkPropertiesTest, MainLinkStaysInTheMainFolder) {
  try {
    Make<TInstallMainLink>("Early");
    FAIL() << "a main link was made without a main folder";
  } catch (const IEInstallShellLink& error) {
    EXPECT_STREQ(error.what(),
                 "To create a TInstallMainLink you must first have a TMainLinkGroup component in your project");
  }
  MakeEngine();
  auto* folder = Make<TMainLinkGroup>("Folder");
  auto* link = Make<TInstallMainLink>("Main");
  EXPECT_EQ(link->Container(), folder);
  auto* container_dir = &StandardPathSpecifiers().FindByClass<TpsContainerDestDir>();
  EXPECT_EQ(link->DestDirType(), container_dir);
  link->SetDestDirType(MakeSpecifier("psElsewhere", "C:\\"));
  EXPECT_EQ(link->DestDirType(), container_dir);
  try {
    link->SetContainer(engine);
    FAIL() << "a main link left the main folder";
  } catch (const IEInstallShellLink& error) {
    EXPECT_STREQ(error.what(),
                 "The TMainLinkGroup component must be the Container for TInstallMainLink and TSubLinkGroup "
                 "components");
  }
  EXPECT_EQ(link->Container(), folder);
  link->SetLinkName("Start");
  EXPECT_EQ(link->GetLinkFileName(),
            GetProgramsMenuDir() + "\\" + engine->product_name + "\\Start.LNK");
}

TEST_F(LinkPropertiesTest, ShortcutGoesWithItsTargetOrFolder) {
  auto* directory = Make<TInstallDirectory>("Directory");
  auto* folder = Make<TMainLinkGroup>("Folder");
  auto* to_directory = Make<TInstallShellLink>("ToDirectory");
  to_directory->SetContainer(folder);
  to_directory->SetObjectLink(directory);
  auto* in_folder = Make<TInstallMainLink>("InFolder");
  auto* sub_folder = Make<TCustomShellLinkGroup>("SubFolder");
  sub_folder->SetContainer(directory);
  auto* root = MakeSpecifier("psRoot", "C:\\");
  auto* free = Make<TInstallShellLink>("Free");
  free->SetObjectLocationType(root);

  delete directory;
  EXPECT_EQ(form.FindComponent("ToDirectory"), nullptr);
  EXPECT_EQ(form.FindComponent("SubFolder"), nullptr);
  EXPECT_EQ(form.FindComponent("InFolder"), in_folder);
  delete folder;
  EXPECT_EQ(form.FindComponent("InFolder"), nullptr);
  EXPECT_EQ(AllShellLinks()->Items(), (std::vector<TCustomInstallShellLink*>{free}));
  delete root;
  EXPECT_EQ(free->ObjectLocationType(), nullptr);
}

}  // namespace
}  // namespace vorlan

#include "objects/file_container_specifier.h"

#include <gtest/gtest.h>

#include "objects/custom_install_file.h"
#include "objects/install_directory.h"
#include "objects/install_group.h"
#include "objects/container_specifiers.h"
#include "paths/ensure_path_specifier.h"
#include "paths/path_exceptions.h"
#include "paths/path_specifier_list.h"
#include "tree_objects.h"

namespace vorlan {
namespace {

using testing::TTestEngine;
using testing::TPathTestLink;
using testing_classes::TTestItem;

class FileContainerSpecifierTest : public testing::TreeTest {
 protected:
  FileContainerSpecifierTest() {
    engine.SetName("Install1");
    engine.SetDestDir("C:\\Apps");
    dir.SetName("Dir1");
    dir.SetContainer(&engine);
    dir.SetDestDir("\\Docs");
    dir.SetDescription("Documents");
  }

  TpsFileContainer& Companion() { return dynamic_cast<TpsFileContainer&>(*dir.CompanionSpecifier()); }

  TTestEngine& engine = *new TTestEngine(&form);
  TInstallDirectory& dir = *new TInstallDirectory(&form);
};

TEST_F(FileContainerSpecifierTest, StandsForItsContainer) {
  TpsFileContainer& companion = Companion();
  EXPECT_EQ(companion.FileContainer(), &dir);
  EXPECT_EQ(companion.DefaultName(), "");
  EXPECT_EQ(companion.GetDescription(), "Path into which Documents will be installed");
  EXPECT_EQ(companion.GetDisplayName(), "<Documents>");

  auto& link = *new TPathTestLink(&form);
  link.SetDestDirType(&companion);
  link.SetDestDir("\\Manual");
  EXPECT_EQ(link.GetDestinationPath(), "C:\\Apps\\Docs\\Manual");

  // Without a container: unknown, and no path.
  TpsFileContainer loose(nullptr);
  EXPECT_EQ(loose.GetDescription(), "Path specifier for unknown file container");
  EXPECT_EQ(loose.GetDisplayName(), "Path specifier for unknown file container");
  EXPECT_EQ(loose.GetPath(&link), "");
  // A specifier does not belong to the standard ones.
  EXPECT_EQ(StandardPathSpecifiers().FindInstanceOf(TpsFileContainer::StaticClassInfo()), nullptr);
}

TEST_F(FileContainerSpecifierTest, ContainersAndFilesCannotUseIt) {
  auto& group = *new TInstallGroup(&form);
  auto& file = *new testing::TPathTestInstallFile(&form);
  TpsFileContainer& companion = Companion();
  for (TInstallContainer* object : std::vector<TInstallContainer*>{&dir, &group, &file, &engine}) {
    try {
      companion.GetPath(object);
      FAIL() << object->ClassName() << " was served";
    } catch (const IEPathSpecifier& e) {
      EXPECT_STREQ(e.what(), "A file container cannot reference another file container or group");
    }
  }
  EXPECT_THROW(file.SetDestDirType(&companion), IEPathSpecifier);
  EXPECT_NE(file.DestDirType(), &companion);
}

TEST_F(FileContainerSpecifierTest, ForgetsADestroyedContainer) {
  TpsFileContainer other(nullptr);
  other.SetFileContainer(&dir);
  delete &dir;
  EXPECT_EQ(other.FileContainer(), nullptr);
}

TEST_F(FileContainerSpecifierTest, ANameItTakesIsGivenUpByItsHolder) {
  TpsFileContainer& companion = Companion();
  auto& first = *new TTestItem(&form);
  first.SetName("Wanted");
  auto& second = *new TTestItem(&form);
  second.SetName("AlsoWanted");

  companion.SetName("Wanted");
  EXPECT_EQ(companion.Name(), "Wanted");
  EXPECT_EQ(first.Name(), "nameClash1");
  companion.SetName("AlsoWanted");
  EXPECT_EQ(second.Name(), "nameClash2");

  // Any other refusal keeps the old name.
  companion.SetName("not valid");
  EXPECT_EQ(companion.Name(), "AlsoWanted");
}

TEST_F(FileContainerSpecifierTest, ContainerRootDescribesGroupsAndDirectoriesByTheirDescription) {
  auto& group = *new TInstallGroup(&form);
  group.SetName("Group1");
  group.SetContainer(&engine);
  group.SetDescription("Snap-ins");
  auto& in_group = *new TPathTestLink(&form);
  in_group.SetContainer(&group);
  auto& in_dir = *new TPathTestLink(&form);
  in_dir.SetContainer(&dir);
  auto& root = AllPathSpecifiers().FindByClass<TpsContainerDestDir>();
  EXPECT_EQ(root.GetObjectDescription(&in_group), "Path of the <Snap-ins> group");
  EXPECT_EQ(root.GetObjectDisplayName(&in_group), "<Snap-ins>");
  EXPECT_EQ(root.GetObjectDescription(&in_dir), "Path of the <Documents> directory");
  EXPECT_EQ(root.GetObjectDisplayName(&in_dir), "<Documents>");
}

}  // namespace
}  // namespace vorlan

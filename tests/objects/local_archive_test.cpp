#include <gtest/gtest.h>

#include "base/file.h"
#include "objects/framework_directory.h"
#include "objects/install_directory.h"
#include "objects/objects_module.h"
#include "system/registry_routines.h"
#include "tree_fixture.h"
#include "win_test_support.h"

namespace vorlan {
namespace {

using namespace tree_test;

// The install record lives under the test's own key; a fresh temporary
// directory holds the archives.
class LocalArchiveTest : public vorlan::testing::RegistryKeyTest {
 protected:
  void SetUp() override {
    RegistryKeyTest::SetUp();
    RegisterObjectsModule(scope_);
    ObjectsState().install_record_key = KeyPath();
  }
  void TearDown() override {
    form_.DestroyComponents();
    RegistryKeyTest::TearDown();
  }

  vorlan::testing::TTempDir temp_;
  ProgramScope scope_;
  testing_classes::TTestForm form_{nullptr};
};

TEST_F(LocalArchiveTest, StoredCopyIsFoundWhileItExists) {
  auto* dir = new TInstallDirectory(&form_);
  dir->SetName("Dir");
  std::string archive = temp_.Path("Dir.1");
  std::string found;
  EXPECT_FALSE(dir->FindLocalArchive(found));
  dir->StoreLocalFile(archive);
  EXPECT_EQ(ReadRegString(hkLocalMachine, KeyPath() + "\\Dir", "LocalFile", ""), archive);
  EXPECT_FALSE(dir->FindLocalArchive(found));  // recorded, but the file is not there
  EXPECT_FALSE(dir->ArchiveIsLocal());
  vorlan::testing::WriteWholeFile(archive, "x");
  EXPECT_TRUE(dir->FindLocalArchive(found));
  EXPECT_EQ(found, archive);
  EXPECT_TRUE(dir->ArchiveIsLocal());
}

TEST_F(LocalArchiveTest, NamelessObjectNeitherFindsNorRecords) {
  auto* dir = new TInstallDirectory(&form_);
  dir->StoreLocalFile(temp_.Path("x.1"));
  std::string found;
  EXPECT_FALSE(dir->FindLocalArchive(found));
  EXPECT_FALSE(KeyPresent(HKEY_LOCAL_MACHINE, KeyPath() + "\\"));
}

TEST_F(LocalArchiveTest, FrameworkDirectoryIsTheFirstSearchEntryWithTheMarker) {
  std::string with_marker = temp_.Path("framework");
  ForceDirectories(with_marker + "\\lib");
  vorlan::testing::WriteWholeFile(with_marker + "\\lib\\" + kFrameworkMarker, "");
  // The environment's own keys are the user's: keep what was there.
  std::string old_search = ReadRegString(hkCurrentUser, kEnvironmentKey, kSearchPathValue, "");
  std::string old_root = ReadRegString(hkLocalMachine, kEnvironmentKey, kRootDirValue, "");
  WriteRegString(hkCurrentUser, kEnvironmentKey, kSearchPathValue,
                 temp_.Path("missing") + ";$(VORLAN)\\lib\\;" + temp_.Path("other"));
  WriteRegString(hkLocalMachine, kEnvironmentKey, kRootDirValue, with_marker + "\\");
  EXPECT_EQ(FindFrameworkDirectory(true), with_marker + "\\lib");
  WriteRegString(hkCurrentUser, kEnvironmentKey, kSearchPathValue, temp_.Path("missing"));
  EXPECT_EQ(FindFrameworkDirectory(false), "");
  EXPECT_THROW(FindFrameworkDirectory(true), IENoVorlanPath);
  WriteRegString(hkCurrentUser, kEnvironmentKey, kSearchPathValue, old_search);
  WriteRegString(hkLocalMachine, kEnvironmentKey, kRootDirValue, old_root);
}

}  // namespace
}  // namespace vorlan

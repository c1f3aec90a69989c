#include <gtest/gtest.h>

#include "objects/install_lists.h"
#include "tree_fixture.h"

namespace vorlan {
namespace {

using namespace tree_test;

using InstallTreeTest = TreeFixture;

TEST_F(InstallTreeTest, ChildrenAreOrderedByTypeCodeLatestFirst) {
  auto* dir = Make<TTestDirectory>("Dir");
  Make<TTestFile>("F1", dir);
  Make<TTestFile>("F2", dir);
  Make<TTestFile>("F3", dir);
  Make<TTestGroup>("Group", dir);
  Make<TTestLink>("Link", dir);
  EXPECT_EQ(ChildNames(*dir), (std::vector<std::string>{"Group", "F3", "F2", "F1", "Link"}));
  Make<TInstallBDE>("Bde", dir);
  EXPECT_EQ(dir->Children(0)->Name(), "Bde");
}

TEST_F(InstallTreeTest, CycleIsRefusedAndChangesNothing) {
  auto* outer = Make<TTestDirectory>("Outer");
  auto* inner = Make<TTestDirectory>("Inner", outer);
  auto* innermost = Make<TTestDirectory>("Innermost", inner);
  try {
    outer->SetContainer(innermost);
    FAIL() << "cycle accepted";
  } catch (const IEInstallContainer& e) {
    EXPECT_STREQ(e.what(), "Circular reference");
  }
  EXPECT_EQ(outer->Container(), nullptr);
  EXPECT_EQ(ChildNames(*innermost), std::vector<std::string>{});
  EXPECT_THROW(outer->SetContainer(outer), IEInstallContainer);
}

TEST_F(InstallTreeTest, DestroyedObjectLeavesEveryContainer) {
  auto* dir = Make<TTestDirectory>("Dir");
  auto* file = Make<TTestFile>("File", dir);
  auto* child = Make<TTestFile>("Child", file);
  EXPECT_EQ(AllContainers()->Count(), 3);
  delete file;
  EXPECT_EQ(dir->ChildCount(), 0);
  EXPECT_EQ(child->Container(), nullptr);
  EXPECT_EQ(AllContainers()->Count(), 2);
}

TEST_F(InstallTreeTest, IndexErrorsNameTheContainer) {
  auto* dir = Make<TTestDirectory>("Dir");
  Make<TTestFile>("File", dir);
  try {
    dir->Children(1);
    FAIL();
  } catch (const IEInstallContainer& e) {
    EXPECT_STREQ(e.what(),
                 "Tried to reference a helper component in the following component: Dir. The following index was "
                 "used: 1");
  }
  EXPECT_EQ(dir->Comp(0, TFileRelated::StaticClassInfo())->Name(), "File");
  try {
    dir->Comp(1, TFileRelated::StaticClassInfo());
    FAIL();
  } catch (const IEInstallContainer& e) {
    EXPECT_NE(std::string(e.what()).find("The parameters are probably reversed. Index: 1, ComponentType: "),
              std::string::npos);
  }
  EXPECT_THROW(dir->AddChild(nullptr), IEInstallContainer);
  EXPECT_THROW(TInstallContainer(nullptr).TypeCode(), IEInstallContainer);
}

TEST_F(InstallTreeTest, ListsRefuseBlankEntries) {
  TInstallContainerList containers;
  TCustomInstallFileList files;
  try {
    containers.Add(nullptr);
    FAIL();
  } catch (const IEContainerList& e) {
    EXPECT_STREQ(e.what(), "Cannot add a blank entry to the TInstallContainerList object");
  }
  try {
    files.Add(nullptr);
    FAIL();
  } catch (const IECustomInstallFileList& e) {
    EXPECT_STREQ(e.what(), "Cannot add a blank entry to the TCustomInstallFileList object");
  }
}

struct TFilterCase {
  TInstallTypeSet install_types;
  TInstallType run_type;
  bool installed;
};

class InstallTypeFilterTest : public InstallTreeTest, public ::testing::WithParamInterface<TFilterCase> {};

TEST_P(InstallTypeFilterTest, DecidesWhetherTheObjectInstalls) {
  auto* file = Make<TTestFile>("File");
  file->SetInstallTypes(GetParam().install_types);
  file->SetInstallType(GetParam().run_type);
  file->Process();
  EXPECT_EQ(file->Processed(), GetParam().installed);
  EXPECT_EQ(file->WillInstall(), GetParam().installed);
}

INSTANTIATE_TEST_SUITE_P(Table, InstallTypeFilterTest,
                         ::testing::Values(TFilterCase{SetBit(itCompact), itFull, false},
                                           TFilterCase{SetBit(itCompact), itCustom, true},
                                           TFilterCase{SetBit(itCompact), itCompact, true},
                                           TFilterCase{SetBit(itFull) | SetBit(itDefault), itDefault, true}));

TEST_F(InstallTreeTest, EmptyInstallTypesAreStoredAsFull) {
  auto* file = Make<TTestFile>("File");
  file->SetInstallTypes(0);
  EXPECT_EQ(file->InstallTypes(), SetBit(itFull));
}

TEST_F(InstallTreeTest, ObjectForAnotherWindowsIsExcludedForTheRun) {
  auto* file = Make<TTestFile>("File");
  file->SetOS(SetBit(osLinux));
  file->Process();
  EXPECT_FALSE(file->Processed());
  EXPECT_FALSE(file->Include());
  EXPECT_EQ(Log(), std::vector<std::string>{});
}

TEST_F(InstallTreeTest, AbortInAnEventSkipsOnlyThatObject) {
  auto* dir = Make<TTestDirectory>("Dir");
  auto* skipped = Make<TTestFile>("Skipped", dir);
  auto* kept = Make<TTestFile>("Kept", dir);
  skipped->OnBeforeProcess().Assign([](TInstallContainer*) { throw EAbort(); });
  dir->Process();
  EXPECT_FALSE(skipped->Processed());
  EXPECT_TRUE(kept->Processed());
  EXPECT_TRUE(dir->Processed());
}

TEST_F(InstallTreeTest, ProcessRunsEventsAndBroadcastsInOrder) {
  auto* engine = Make<TTestEngine>("Engine");
  auto* file = Make<TTestFile>("File", engine);
  // Links are installed in their own pass, not by their container.
  Make<TTestLink>("Watcher", file)->SetAutoProcess(false);
  file->OnBeforeProcess().Assign([](TInstallContainer*) { Log().push_back("before"); });
  file->OnAfterProcess().Assign([](TInstallContainer*) { Log().push_back("after"); });
  file->Process();
  EXPECT_EQ(Log(), (std::vector<std::string>{
                       "before", "Watcher heard -990", "Watcher heard -999", "install File",
                       "uninstall File \\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Test Product",
                       "after", "Watcher heard -989"}));
}

TEST_F(InstallTreeTest, ObjectOfAnUninstalledContainerIsSkippedDuringARun) {
  auto* engine = Make<TTestEngine>("Engine");
  auto* group = Make<TTestGroup>("Group", engine);
  auto* link = Make<TTestLink>("Link", group);
  auto* loose = Make<TTestLink>("Loose");
  engine->in_progress = true;
  group->SetInclude(false);
  group->Process();
  link->Process();
  loose->Process();
  EXPECT_FALSE(link->Processed());
  EXPECT_TRUE(loose->Processed());
  engine->in_progress = false;
  link->Process();
  EXPECT_TRUE(link->Processed());
}

TEST_F(InstallTreeTest, BroadcastReachesOnlyDirectReceivers) {
  auto* engine = Make<TTestEngine>("Engine");
  auto* dir = Make<TTestDirectory>("Dir", engine);
  Make<TTestFile>("Inner", dir);
  Make<TTestLink>("Manager", engine);
  engine->ShowStatus("Copying");
  engine->ClearStatus();
  EXPECT_EQ(Log(), (std::vector<std::string>{"Manager heard -974 Copying", "Manager heard -973"}));
}

TEST_F(InstallTreeTest, InstallTypeReachesTheWholeTree) {
  auto* engine = Make<TTestEngine>("Engine");
  auto* dir = Make<TTestDirectory>("Dir", engine);
  auto* file = Make<TTestFile>("File", dir);
  engine->SetInstallType(itCompact);
  EXPECT_EQ(file->CurrentInstallType(), itCompact);
  EXPECT_EQ(dir->CurrentInstallType(), itCompact);
  EXPECT_EQ(engine->CurrentInstallType(), itCompact);
}

}  // namespace
}  // namespace vorlan

#include <gtest/gtest.h>

#include "component/class_registry.h"
#include "component/definition_reader.h"
#include "component/definition_writer.h"
#include "container_test_classes.h"
#include "objects/install_directory.h"
#include "objects/install_group.h"
#include "paths/custom_path_specifier.h"
#include "tree_fixture.h"

namespace vorlan {
namespace {

using namespace tree_test;

class DefinitionTreeTest : public TreeFixture {
 protected:
  DefinitionTreeTest() { Classes().Register(TTestEngine::StaticClassInfo()); }

  TInstallObject* Object(const std::string& name) const {
    return dynamic_cast<TInstallObject*>(form.FindComponent(name));
  }
};

const char* const kTree = R"(object Form: TTestForm
  object Engine: TTestEngine
    DestDirType = psProgramFiles
    DestDir = '\Zarvik\Product'
  end
  object Tools: TInstallGroup
    Container = Engine
    DestDirType = psContainerDestDir
    Description = 'Tools'
    DialogOptions.AllowChangeDir = False
    DialogOptions.Description = ('Command-line tools')
    InstallTypes = [itFull, itCustom]
  end
  object Bin: TInstallDirectory
    Container = Tools
    DestDirType = psContainerDestDir
    DestDir = '\bin'
  end
end
)";

TEST_F(DefinitionTreeTest, TextBuildsTheTree) {
  ReadDefinitionInto(form, kTree);
  auto* engine = Object("Engine");
  auto* tools = dynamic_cast<TInstallGroup*>(Object("Tools"));
  auto* bin = Object("Bin");
  ASSERT_TRUE(engine && tools && bin);
  EXPECT_EQ(ChildNames(*engine), std::vector<std::string>{"Tools"});
  EXPECT_EQ(ChildNames(*tools), std::vector<std::string>{"Bin"});
  EXPECT_FALSE(tools->DialogOptions().AllowChangeDir());
  EXPECT_EQ(tools->InstallTypes(), SetBit(itFull) | SetBit(itCustom));
  // Each specifier is one the first install object brought to the form.
  EXPECT_EQ(form.FindComponent("psProgramFiles"), engine->DestDirType());
  std::string program_files = engine->DestDirType()->GetPath(engine);
  EXPECT_EQ(bin->GetDestinationPath(), program_files + "\\Zarvik\\Product\\bin");
}

TEST_F(DefinitionTreeTest, WrittenTreeReadsBackTheSame) {
  ReadDefinitionInto(form, kTree);
  std::string written = WriteDefinition(form);
  testing_classes::TTestForm again(nullptr);
  form.DestroyComponents();
  ReadDefinitionInto(again, written);
  EXPECT_EQ(WriteDefinition(again), written);
}

TEST_F(DefinitionTreeTest, LoadedDefinitionKeepsOnlyWhatItStored) {
  form.SetStateFlag(csDesigning, true);
  auto* engine = Make<TTestEngine>("Engine");
  auto* added = Make<TInstallDirectory>("Added");
  // Added while authoring: the constructor's defaults hold.
  EXPECT_EQ(added->Container(), engine);
  EXPECT_EQ(added->DestDirType(), form.FindComponent("psContainerDestDir"));
  EXPECT_EQ(added->ArchiveFileType(), form.FindComponent("psContainerArchiveFile"));

  testing_classes::TTestForm loaded(nullptr);
  form.DestroyComponents();
  ReadDefinitionInto(loaded, "object Form: TTestForm\n object Engine: TTestEngine\n end\n"
                             " object Dir: TInstallDirectory\n end\nend\n", {.authoring = true});
  auto* dir = dynamic_cast<TInstallDirectory*>(loaded.FindComponent("Dir"));
  EXPECT_EQ(dir->Container(), nullptr);
  EXPECT_EQ(dir->DestDirType(), nullptr);
  EXPECT_EQ(dir->ArchiveFileType(), nullptr);
}

struct TBadTree {
  const char* objects;
  const char* message;
};

class BadTreeTest : public DefinitionTreeTest, public ::testing::WithParamInterface<TBadTree> {};

TEST_P(BadTreeTest, IsRefusedAndNothingStays) {
  std::string text = std::string("object Form: TTestForm\n object Engine: TTestEngine\n end\n") +
                     GetParam().objects + "end\n";
  int before = form.ComponentCount();
  try {
    ReadDefinitionInto(form, text);
    FAIL() << "accepted";
  } catch (const Exception& e) {
    EXPECT_NE(std::string(e.what()).find(GetParam().message), std::string::npos) << e.what();
  }
  EXPECT_EQ(form.ComponentCount(), before);
  EXPECT_EQ(AllContainers()->Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadTreeTest,
    ::testing::Values(
        TBadTree{" object A: TInstallDirectory\n  Container = B\n end\n"
                 " object B: TInstallDirectory\n  Container = A\n end\n",
                 "Circular reference"},
        TBadTree{" object D: TInstallDirectory\n end\n object G: TInstallGroup\n  Container = D\n end\n",
                 "A TInstallGroup component can only be contained by a TInstall, or another TInstallGroup"},
        TBadTree{" object D: TInstallDirectory\n  Container = psProgramFiles\n end\n", "not a TInstallContainer"}));

TEST_F(DefinitionTreeTest, RefusedSpecifierIsCaughtAtExpansion) {
  ReadDefinitionInto(form, "object Form: TTestForm\n object D: TInstallDirectory\n"
                           "  DestDirType = psContainerDestDir\n end\nend\n");
  auto* dir = Object("D");
  try {
    dir->GetDestinationPath();
    FAIL();
  } catch (const IException& e) {
    EXPECT_STREQ(e.what(), "Cannot use ddContainerDestDir for D unless you assign a Container");
  }
  EXPECT_THROW(dir->SetDestDirType(dir->DestDirType()), IException);
}

}  // namespace
}  // namespace vorlan

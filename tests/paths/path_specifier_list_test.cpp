#include "paths/path_specifier_list.h"

#include <gtest/gtest.h>

#include "component/class_info.h"
#include "paths/folder_specifiers.h"
#include "paths/path_exceptions.h"
#include "paths/path_specifier.h"
#include "paths/path_specifier_class_list.h"
#include "paths_fixture.h"

namespace vorlan {
namespace {

using testing::PathsTest;

std::vector<TCustomPathSpecifier*> Entries(const TPathSpecifierList& list) {
  std::vector<TCustomPathSpecifier*> entries;
  for (int i = 0; i < list.Count(); ++i) entries.push_back(list.Items(i));
  return entries;
}

using Specifiers = std::vector<TCustomPathSpecifier*>;

TEST_F(PathsTest, InstancesJoinTheListsWhileTheyLive) {
  auto* system = new TpsSystem(&form);
  auto* own = new TPathSpecifier(&form);
  auto* window = new TpsWindow(&form);
  EXPECT_EQ(Entries(AllPathSpecifiers()), (Specifiers{system, own, window}));
  // An author's own specifier is no built-in one.
  EXPECT_EQ(Entries(StandardPathSpecifiers()), (Specifiers{system, window}));

  delete system;
  EXPECT_EQ(Entries(AllPathSpecifiers()), (Specifiers{own, window}));
  EXPECT_EQ(Entries(StandardPathSpecifiers()), (Specifiers{window}));
  form.DestroyComponents();
  EXPECT_EQ(AllPathSpecifiers().Count(), 0);
  EXPECT_EQ(StandardPathSpecifiers().Count(), 0);
}

TEST(PathSpecifierLifetime, WithoutTheListsAnInstanceIsStillMadeAndFreed) {
  std::unique_ptr<TpsSystem> early;
  {
    ProgramScope scope;  // start-up: the lists do not exist yet
    early = std::make_unique<TpsSystem>(nullptr);
    RegisterPathsModule(scope);
    EXPECT_EQ(AllPathSpecifiers().Count(), 0);
    auto late = std::make_unique<TpsWindow>(nullptr);
    EXPECT_EQ(AllPathSpecifiers().Count(), 1);
  }
  early.reset();  // shutdown: the scope and its lists are gone
}

TEST_F(PathsTest, FindByClassAnswersTheFirstInstanceOfTheClassOrADescendant) {
  auto* first = new TpsSystem(&form);
  new TpsSystem(&form);
  auto* window = new TpsWindow(&form);
  EXPECT_EQ(&AllPathSpecifiers().FindByClass<TpsSystem>(), first);
  EXPECT_EQ(&AllPathSpecifiers().FindByClass<TpsWindow>(), window);
  EXPECT_EQ(&AllPathSpecifiers().FindByClass(TStandardPathSpecifier::StaticClassInfo()), first);
  EXPECT_EQ(&StandardPathSpecifiers().FindByClass<TpsWindow>(), window);
  try {
    AllPathSpecifiers().FindByClass<TpsProgramFiles>();
    FAIL() << "found a specifier that does not exist";
  } catch (const IEPathSpecifier& e) {
    EXPECT_STREQ(e.what(), "Could not find the path specifier");
  }
}

TEST_F(PathsTest, ListsRefuseMissingEntries) {
  try {
    AllPathSpecifiers().Add(nullptr);
    FAIL();
  } catch (const IEPathSpecifierList& e) {
    EXPECT_STREQ(e.what(), "Tried to add a nil object to the path specifier list");
  }
  try {
    PathSpecifierClasses().RegisterPathSpecifierClass(nullptr);
    FAIL();
  } catch (const IEPathSpecifierClassList& e) {
    EXPECT_STREQ(e.what(), "Tried to add a nil object to the path specifier list");
  }
  EXPECT_THROW(AllPathSpecifiers().Items(0), IEPathSpecifierList);
  EXPECT_THROW(PathSpecifierClasses().Items(-1), IEPathSpecifierClassList);
  EXPECT_EQ(AllPathSpecifiers().Count(), 0);
}

TEST_F(PathsTest, OnlyCreatableSpecifierClassesRegister) {
  int before = PathSpecifierClasses().Count();
  EXPECT_THROW(PathSpecifierClasses().RegisterPathSpecifierClass(&TComponent::StaticClassInfo()),
               IEPathSpecifierClassList);
  EXPECT_EQ(PathSpecifierClasses().Count(), before);
}

}  // namespace
}  // namespace vorlan

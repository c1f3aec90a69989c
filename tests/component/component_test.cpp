#include <gtest/gtest.h>

#include "component/program_scope.h"
#include "definition_test_classes.h"

namespace vorlan {
namespace {

using namespace testing_classes;

TEST(Component, OwnerDestroysItsComponentsLastFirst) {
  Journal().clear();
  {
    TTestForm form(nullptr);
    for (const char* name : {"A", "B", "C"}) (new TTestItem(&form))->SetName(name);
  }
  EXPECT_EQ(Journal(), (std::vector<std::string>{"destroy C", "destroy B", "destroy A"}));
}

TEST(Component, ReferenceToADestroyedComponentIsCleared) {
  TTestForm form(nullptr);
  TTestForm other_form(nullptr);
  auto* holder = new TTestItem(&form);
  auto* sibling = new TTestItem(&form);
  auto* stranger = new TTestItem(&other_form);  // reached only through the free-notification link
  holder->SetBuddy(sibling);
  delete sibling;
  EXPECT_EQ(holder->Buddy(), nullptr);
  holder->SetBuddy(stranger);
  delete stranger;
  EXPECT_EQ(holder->Buddy(), nullptr);
}

TEST(Component, NamesAreUniqueAmongTheOwnersComponents) {
  TTestForm form(nullptr);
  auto* a = new TTestItem(&form);
  a->SetName("Item");
  auto* b = new TTestItem(&form);
  EXPECT_THROW(b->SetName("item"), Exception);
  EXPECT_THROW(b->SetName("1st"), Exception);
  b->SetName("Other");
  EXPECT_EQ(form.FindComponent("ITEM"), a);
  // A renamed or destroyed component is found by its new name only.
  a->SetName("Renamed");
  EXPECT_EQ(form.FindComponent("item"), nullptr);
  EXPECT_EQ(form.FindComponent("RENAMED"), a);
  b->SetName("Item");
  EXPECT_EQ(form.FindComponent("Item"), b);
  delete b;
  EXPECT_EQ(form.FindComponent("Item"), nullptr);
}

TEST(Component, DesigningIsInheritedFromTheOwner) {
  TTestForm form(nullptr);
  form.SetStateFlag(csDesigning, true);
  TTestItem item(&form);
  EXPECT_TRUE(item.Designing());
}

struct TOrderProbe {
  TOrderProbe(std::vector<int>& log, int id) : log_(log), id_(id) {}
  ~TOrderProbe() { log_.push_back(id_); }
  std::vector<int>& log_;
  int id_;
};

TEST(ProgramScopeTest, TearsDownInReverseAndAllowsOneAtATime) {
  std::vector<int> log;
  {
    ProgramScope scope;
    EXPECT_THROW(ProgramScope second, Exception);
    scope.Emplace<TOrderProbe>(log, 1);
    scope.Emplace<int>(5);
    EXPECT_EQ(ProgramScope::Current().Get<int>(), 5);
  }
  EXPECT_EQ(log, std::vector<int>{1});
  EXPECT_FALSE(ProgramScope::Exists());
  EXPECT_THROW(ProgramScope::Current(), Exception);
}

}  // namespace
}  // namespace vorlan

#include <gtest/gtest.h>

#include "component/class_registry.h"
#include "component/definition_reader.h"
#include "component/definition_writer.h"
#include "component/program_scope.h"
#include "definition_test_classes.h"

namespace vorlan {
namespace {

using namespace testing_classes;

// A descendant that offers fewer properties than its parent and one of them
// with another default, as a restricted install class does.
class TNarrowItem : public TTestItem {
  VORLAN_CLASS_INFO()

 public:
  explicit TNarrowItem(TComponent* owner) : TTestItem(owner) { SetFlag(true); }
};

const TClassInfo& TNarrowItem::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TNarrowItem, TTestItem>("TNarrowItem", [](auto& p) {
    p.Withdraw("Color");
    p.Boolean("Flag", &TNarrowItem::Flag, &TNarrowItem::SetFlag).Default(true);
  });
  return info;
}

class ClassInfoTest : public ::testing::Test {
 protected:
  ClassInfoTest() {
    RegisterTestClasses();
    Classes().Register(TNarrowItem::StaticClassInfo());
  }

  ProgramScope scope;
};

TEST_F(ClassInfoTest, DescendantReplacesOrWithdrawsItsParentsProperties) {
  const TClassInfo& narrow = TNarrowItem::StaticClassInfo();
  EXPECT_EQ(narrow.FindProperty("Color"), nullptr);
  EXPECT_NE(TTestItem::StaticClassInfo().FindProperty("Color"), nullptr);
  std::vector<std::string> names;
  for (const TPropertyInfo* property : narrow.AllProperties()) names.push_back(property->name);
  std::vector<std::string> parent_names;
  for (const TPropertyInfo* property : TTestItem::StaticClassInfo().AllProperties()) {
    if (property->name != "Color") parent_names.push_back(property->name);
  }
  EXPECT_EQ(names, parent_names);
  EXPECT_EQ(narrow.FindProperty("Flag")->default_value, TValue(true));
}

TEST_F(ClassInfoTest, DefinitionHoldsOnlyWhatTheClassOffers) {
  auto root = ReadDefinition("object F: TTestForm\n object A: TNarrowItem\n end\n object B: TNarrowItem\n"
                             "  Flag = False\n end\nend\n");
  std::string written = WriteDefinition(*root);
  EXPECT_EQ(written, "object F: TTestForm\n  object A: TNarrowItem\n  end\n  object B: TNarrowItem\n"
                     "    Flag = False\n  end\nend\n");
  EXPECT_THROW(ReadDefinition("object F: TTestForm\n object A: TNarrowItem\n  Color = tcBlue\n end\nend\n"),
               EReadError);
}

}  // namespace
}  // namespace vorlan

#include "paths/unique_component_name.h"

#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "paths_fixture.h"

namespace vorlan {
namespace {

using testing::PathsTest;
using testing_classes::TTestItem;

class UniqueNameTest : public PathsTest {
 protected:
  TTestItem& Named(const std::string& name) {
    auto* item = new TTestItem(&form);
    item->SetName(name);
    return *item;
  }
};

TEST_F(UniqueNameTest, TheStemThenTheStemWithTheFirstFreeNumber) {
  TTestItem& item = Named("Old");
  EXPECT_EQ(MakeUniqueComponentName(item, "nameClash1"), "nameClash1");
  EXPECT_EQ(item.Name(), "nameClash1");

  Named("MainTranslator");
  Named("MainTranslator1");
  TTestItem& other = Named("Other");
  EXPECT_EQ(MakeUniqueComponentName(other, "MainTranslator"), "MainTranslator2");
  // A component may keep the name it holds.
  EXPECT_EQ(MakeUniqueComponentName(other, "MainTranslator2"), "MainTranslator2");
}

TEST_F(UniqueNameTest, AStemThatCanMakeNoNameRaisesAndChangesNothing) {
  TTestItem& item = Named("Kept");
  for (const char* stem : {"", "1st", "a b", "x.y"}) {
    EXPECT_THROW(MakeUniqueComponentName(item, stem), Exception) << stem;
    EXPECT_EQ(item.Name(), "Kept");
  }
}

}  // namespace
}  // namespace vorlan

#include "paths/path_expansion.h"

#include <gtest/gtest.h>

#include "component/handler_registry.h"
#include "paths/custom_path_specifier.h"
#include "paths/path_specifier.h"
#include "paths_fixture.h"

namespace vorlan {
namespace {

using testing::PathsTest;

class ExpansionTest : public PathsTest {
 protected:
  ExpansionTest() {
    root.OnGetPath().Assign([this](TInstallContainer*, std::string& path) { path = root_path; });
  }
  TPathSpecifier root{&form};
  std::string root_path = "C:\\Program Files";
};

TEST_F(ExpansionTest, RootAndRelativeTextAreGluedAndOneTrailingBackslashGoes) {
  struct Case {
    bool with_root;
    const char* relative;
    const char* expected;
  } cases[] = {
      {true, "\\Company\\Product", "C:\\Program Files\\Company\\Product"},
      {true, "\\Company\\Product\\", "C:\\Program Files\\Company\\Product"},
      {true, "\\Company\\Product\\\\", "C:\\Program Files\\Company\\Product\\"},
      {true, "Product", "C:\\Program FilesProduct"},
      {true, "", "C:\\Program Files"},
      {false, "\\\\SERVER\\SYS\\PUBLIC\\WIN32\\SNAPINS", "\\\\SERVER\\SYS\\PUBLIC\\WIN32\\SNAPINS"},
      {false, "\\\\?\\SYS\\PUBLIC\\WIN32\\SNAPINS", "\\\\?\\SYS\\PUBLIC\\WIN32\\SNAPINS"},
      {false, "D:\\Target\\", "D:\\Target"},
      {false, "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExpandPath(c.with_root ? &root : nullptr, nullptr, c.relative), c.expected) << c.relative;
  }
}

TEST_F(ExpansionTest, NothingIsCachedBetweenTwoExpansions) {
  EXPECT_EQ(ExpandPath(&root, nullptr, "\\A"), "C:\\Program Files\\A");
  root_path = "E:\\Apps";
  EXPECT_EQ(ExpandPath(&root, nullptr, "\\A"), "E:\\Apps\\A");
}

TEST_F(PathsTest, AnAuthorsSpecifierWithoutHandlerExpandsToNothing) {
  TPathSpecifier own(&form);
  EXPECT_EQ(own.GetPath(nullptr), "");
  EXPECT_EQ(ExpandPath(&own, nullptr, "\\Product"), "\\Product");
  EXPECT_EQ(own.GetDescription(), "My cool new path specifier");
  own.SetDescription("Tools");
  EXPECT_EQ(own.GetDisplayName(), "Tools");
  EXPECT_EQ(own.GetObjectDisplayName(nullptr), "Tools");
}

TEST_F(PathsTest, TheBaseSpecifierIsUnspecifiedAndAcceptsEverything) {
  TCustomPathSpecifier base(&form);
  EXPECT_NO_THROW(base.CheckObject(nullptr));
  EXPECT_EQ(base.GetDescription(), "Unspecified");
  EXPECT_EQ(base.GetObjectDescription(nullptr), "Unspecified");
  EXPECT_EQ(base.GetDisplayName(), "Unspecified");
  EXPECT_EQ(base.GetObjectDisplayName(nullptr), "Unspecified");
  EXPECT_EQ(base.GetPath(nullptr), "");
}

}  // namespace
}  // namespace vorlan

// The names an install file is given when its own would clash.

#include <gtest/gtest.h>

#include "paths/unique_component_name.h"
#include "tree_objects.h"

namespace vorlan {
namespace {

using testing::TreeTest;
using testing_classes::TTestItem;

TEST_F(TreeTest, AnInstallFileIsNamedAfterTheStemsFileNameAndExtension) {
  auto& file = *new testing::TPathTestInstallFile(&form);
  struct Case {
    const char* stem;
    const char* expected;
  } cases[] = {
      {"readme.txt", "IFreadme_txt"},
      {"C:\\Docs\\my-file.v2.txt", "IFmyfilev2_txt"},
      {"README", "IFREADME_"},
      {"setup.1", "IFsetup_1"},
  };
  for (const Case& c : cases) EXPECT_EQ(MakeUniqueComponentName(file, c.stem), c.expected) << c.stem;

  auto& holder = *new TTestItem(&form);
  holder.SetName("IFreadme_txt");
  new TTestItem(&form);
  form.Components(form.ComponentCount() - 1)->SetName("IFreadme_txt1");
  EXPECT_EQ(MakeUniqueComponentName(file, "readme.txt"), "IFreadme_txt2");
}

}  // namespace
}  // namespace vorlan

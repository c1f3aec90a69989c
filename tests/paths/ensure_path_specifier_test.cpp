#include "paths/ensure_path_specifier.h"

#include <gtest/gtest.h>

#include "component/class_info.h"
#include "paths/folder_specifiers.h"
#include "paths/path_specifier.h"
#include "paths/path_specifier_class_list.h"
#include "paths/path_specifier_list.h"
#include "paths_fixture.h"

namespace vorlan {
namespace {

using testing::PathsTest;

// The names and classes of the form's components, in order.
std::vector<std::string> Held(const TComponent& owner) {
  std::vector<std::string> held;
  for (int i = 0; i < owner.ComponentCount(); ++i) {
    held.push_back(owner.Components(i)->Name() + ":" + owner.Components(i)->ClassName());
  }
  return held;
}

std::vector<std::string> RegisteredInstances() {
  std::vector<std::string> expected;
  for (int i = 0; i < PathSpecifierClasses().Count(); ++i) {
    const TClassInfo& info = PathSpecifierClasses().Items(i);
    std::string name = info.Name();
    expected.push_back("ps" + name.substr(3) + ":" + name);  // TpsSystem -> psSystem
  }
  return expected;
}

TEST_F(PathsTest, TheFirstCallBringsOneInstanceOfEveryClassUnderItsDefaultName) {
  EnsurePathSpecifiers(&form);
  EXPECT_EQ(Held(form), RegisteredInstances());
  EXPECT_EQ(StandardPathSpecifiers().Count(), PathSpecifierClasses().Count());

  EnsurePathSpecifiers(&form);
  EXPECT_EQ(Held(form), RegisteredInstances());
}

TEST_F(PathsTest, LaterCallsAddOnlyWhatIsMissingAndNothingWithoutAnOwner) {
  EnsurePathSpecifiers(nullptr);
  EXPECT_EQ(AllPathSpecifiers().Count(), 0);

  auto* kept = new TpsSystem(&form);
  kept->SetName("MySystem");
  EnsurePathSpecifiers(&form);
  EXPECT_EQ(form.FindComponent("psSystem"), nullptr);
  EXPECT_EQ(&AllPathSpecifiers().FindByClass<TpsSystem>(), kept);

  // Without the check a second instance comes all the same.
  delete form.FindComponent("psWindow");
  EnsurePathSpecifier(TpsWindow::StaticClassInfo(), &form, false);
  EXPECT_NE(form.FindComponent("psWindow"), nullptr);
}

TEST_F(PathsTest, ADefaultNameTakenByAnotherComponentLeavesNoNamelessInstance) {
  auto* other = new testing_classes::TTestItem(&form);
  other->SetName("psWindow");
  EXPECT_THROW(EnsurePathSpecifier(TpsWindow::StaticClassInfo(), &form, true), Exception);
  EXPECT_EQ(form.ComponentCount(), 1);
  EXPECT_EQ(AllPathSpecifiers().Count(), 0);
}

TEST_F(PathsTest, AuthorsOwnSpecifierHasNoDefaultNameAndIsNeverRegistered) {
  TPathSpecifier own(nullptr);
  EXPECT_EQ(own.DefaultName(), "");
  for (int i = 0; i < PathSpecifierClasses().Count(); ++i) {
    EXPECT_NE(&PathSpecifierClasses().Items(i), &TPathSpecifier::StaticClassInfo());
  }
}

}  // namespace
}  // namespace vorlan

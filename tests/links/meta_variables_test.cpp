#include <gtest/gtest.h>

#include "links/install_shell_link.h"
#include "links/link_exceptions.h"
#include "links/meta_variables.h"
#include "link_fixture.h"
#include "objects/install_directory.h"
#include "paths/shell_folders.h"
#include "system/system_dirs.h"

namespace vorlan {
namespace {

class MetaVariablesTest : public links_test::LinkFixture {
 protected:
  MetaVariablesTest() {
    MakeEngine()->SetDestDirType(MakeSpecifier("psApp", "C:\\Program Files\\App"));
    directory = Make<TInstallDirectory>("Directory");
    directory->SetDestDirType(MakeSpecifier("psData", "D:\\Data\\"));
    link = Make<TInstallShellLink>("Link");
    link->SetContainer(directory);
    link->SetDestDirType(MakeSpecifier("psLinks", "E:\\Links"));
  }

  TInstallDirectory* directory = nullptr;
  TInstallShellLink* link = nullptr;
};

TEST_F(MetaVariablesTest, EscapesExpandToTheirDirectories) {
  struct {
    const char* text;
    std::string expanded;
  } cases[] = {
      {"%i\\data 100%%", "C:\\Program Files\\App\\data 100%"},
      {"%x", ""},
      {"a%Xb", "ab"},
      {"trailing %", "trailing "},
      {"%I|%A|%C", "C:\\Program Files\\App|E:\\Links|D:\\Data"},
      {"%a %c", "E:\\Links D:\\Data"},
      {"%b", RemoveBackslash(GetProgramsMenuDir())},
      {"%d", RemoveBackslash(GetDesktopDir())},
      {"%f", RemoveBackslash(GetCommonFilesDir())},
      {"%m", RemoveBackslash(GetStartMenuDir())},
      {"%p", RemoveBackslash(GetProgramFilesDir())},
      {"%s", RemoveBackslash(GetSystemDir())},
      {"%w", RemoveBackslash(GetWindowsDir())},
      {"%%i", "%i"},
      {"plain", "plain"},
  };
  for (const auto& c : cases) EXPECT_EQ(ExpandMetaVariables(c.text, link), c.expanded) << c.text;
}

TEST_F(MetaVariablesTest, EscapeWithoutItsComponentFails) {
  auto expect_failure = [](const std::string& text, TCustomInstallShellLink* on, const char* message) {
    try {
      ExpandMetaVariables(text, on);
      ADD_FAILURE() << text << " expanded";
    } catch (const EAICannotExpandMetaVariable& error) {
      EXPECT_STREQ(error.what(), message);
    }
  };
  expect_failure("%a", nullptr, "Cannot expand the %a meta variable because the component is Nil");
  expect_failure("x %C", nullptr, "Cannot expand the %c meta variable because the component is Nil");
  link->SetContainer(nullptr);
  expect_failure("%c", link, "Cannot expand the %c meta variable because the Container property is Nil");
  EXPECT_THROW(ExpandMetaVariables("%c", link), EAICannotExpandContainerDirMV);
  // Escapes that need nothing expand without a shortcut.
  EXPECT_EQ(ExpandMetaVariables("%%%w", nullptr), "%" + RemoveBackslash(GetWindowsDir()));
  delete engine;
  engine = nullptr;
  expect_failure("%i", link, "Cannot expand the %i meta variable because there is no TInstall component");
  EXPECT_THROW(ExpandMetaVariables("%i", link), EAICannotExpandInstallDirMV);
}

}  // namespace
}  // namespace vorlan

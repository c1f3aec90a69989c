#include <gtest/gtest.h>

#include "archive/archive_hooks.h"
#include "component/definition_reader.h"
#include "component/definition_writer.h"
#include "component/program_scope.h"
#include "system/program_launcher.h"
#include "system/system_module.h"
#include "system/version_resource.h"
#include "win_test_support.h"

namespace vorlan {
namespace {

TEST(SystemModule, DefinitionsHoldTheSystemComponents) {
  ProgramScope scope;
  RegisterSystemModule(scope);
  std::string version_file = testing::BuiltFile("ver_full.dll");
  auto root = ReadDefinition("object Form: TComponent\n"
                             "  object Version1: TVersionResource\n"
                             "    FileName = '" + version_file + "'\n"
                             "    Language = lnGerman\n"
                             "  end\n"
                             "  object Version2: TVersionResource\n"
                             "  end\n"
                             "  object Launcher1: TProgramLauncher\n"
                             "    FileName = 'notepad.exe'\n"
                             "    ShowMode = smHide\n"
                             "  end\n"
                             "end\n");
  auto* version = dynamic_cast<TVersionResource*>(root->FindComponent("Version1"));
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(version->Language(), lnGerman);
  EXPECT_FALSE(version->VersionInfo().FileVersion().empty());
  auto* launcher = dynamic_cast<TProgramLauncher*>(root->FindComponent("Launcher1"));
  EXPECT_EQ(launcher->ShowMode(), smHide);
  std::string written = WriteDefinition(*root);
  // The running program is every instance's default file: not stored.
  EXPECT_EQ(written.find("FileName", written.find("object Version2")), written.find("FileName = 'notepad.exe'"));
  EXPECT_EQ(WriteDefinition(*ReadDefinition(written)), written);
}

TEST(SystemModule, ArchiveReadsMemberVersionsWhileTheScopeLives) {
  std::string version_file = testing::BuiltFile("ver_full.dll");
  {
    ProgramScope scope;
    RegisterSystemModule(scope);
    EXPECT_FALSE(ReadArchiveFileVersion(version_file).empty());
  }
  EXPECT_EQ(ReadArchiveFileVersion(version_file), "");
}

}  // namespace
}  // namespace vorlan

#include "system/program_launcher.h"

#include <gtest/gtest.h>

#include "base/file.h"
#include "base/strings.h"
#include "system/system_exceptions.h"
#include "win_test_support.h"

namespace vorlan {
namespace {

class ProgramLauncherTest : public testing::TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    record_ = Path("command line.txt");
    SetEnvironmentVariableA("VORLAN_RECORD_FILE", record_.c_str());
  }
  void TearDown() override {
    SetEnvironmentVariableA("VORLAN_RECORD_FILE", nullptr);
    TempDirTest::TearDown();
  }
  // The launcher does not wait for the end: the recorder's file shows it ran.
  std::string RecordedCommandLine() {
    for (int i = 0; i < 600 && !FileExists(record_); ++i) Sleep(50);
    return testing::ReadWholeFile(record_);
  }
  std::string record_;
};

// The recorder's first line is its command line, the second its startup
// flags and show command.
TEST_F(ProgramLauncherTest, ParametersAreTheWholeCommandLine) {
  TProgramLauncher launcher(nullptr);
  launcher.SetFileName(testing::BuiltFile("record_command_line.exe"));
  launcher.SetParameters("recorder -s \"C:\\Program Files\\x\" -r");
  launcher.SetShowMode(smHide);
  launcher.Execute();
  EXPECT_EQ(ExtractField(RecordedCommandLine(), 1, '\n'), "recorder -s \"C:\\Program Files\\x\" -r");
}

TEST_F(ProgramLauncherTest, ShowModesAndStartupFlags) {
  const std::pair<TplShowMode, int> cases[] = {{smNormal, 1}, {smMaximized, 3}, {smMinimized, 2}, {smHide, 0}};
  const int flags = STARTF_USESHOWWINDOW | STARTF_FORCEONFEEDBACK;
  for (const auto& [mode, show] : cases) {
    DeleteFileAt(record_);
    TProgramLauncher launcher(nullptr);
    launcher.SetFileName(testing::BuiltFile("record_command_line.exe"));
    launcher.SetShowMode(mode);
    launcher.Execute();
    EXPECT_EQ(ExtractField(RecordedCommandLine(), 2, '\n'), std::to_string(flags) + " " + std::to_string(show))
        << int(mode);
  }
}

TEST_F(ProgramLauncherTest, Defaults) {
  TProgramLauncher launcher(nullptr);
  EXPECT_EQ(launcher.Action(), "Open");
  EXPECT_EQ(launcher.FileName(), "");
  EXPECT_EQ(launcher.Parameters(), "");
  EXPECT_EQ(launcher.ShowMode(), smNormal);
  EXPECT_EQ(launcher.StartDir(), "");
  EXPECT_EQ(launcher.Timeout(), -1);
  EXPECT_TRUE(launcher.Wait());
}

TEST_F(ProgramLauncherTest, FailuresCarryTheLaunchCode) {
  testing::WriteWholeFile(Path("not a program.exe"), "just text, no program");
  struct TCase {
    std::string file;
    int code;
    const char* message;
  };
  const TCase cases[] = {
      {Path("missing.exe"), 2, "File not found"},
      {Path("no dir\\missing.exe"), 3, "Path not found"},
      {Path("not a program.exe"), 11, "Invalid file"},
  };
  for (const auto& c : cases) {
    TProgramLauncher launcher(nullptr);
    launcher.SetFileName(c.file);
    try {
      launcher.Execute();
      ADD_FAILURE() << c.file << " started";
    } catch (const EProgramLauncherFailed& e) {
      EXPECT_EQ(e.ErrorCode(), c.code) << c.file;
      EXPECT_EQ(e.Message(), c.message) << c.file;
    }
  }
}

TEST(LaunchErrorTextTest, Table) {
  const std::pair<int, const char*> cases[] = {
      {0, "Out of memory"},
      {8, "Out of memory"},
      {2, "File not found"},
      {3, "Path not found"},
      {5, "Sharing violation"},
      {6, "Library/Segment error"},
      {10, "Incorrect version of windows"},
      {11, "Invalid file"},
      {12, "Invalid DOS version"},
      {13, "Invalid DOS version"},
      {14, "File type has no association"},
      {31, "File type has no association"},
      {15, "Cannot load a Real-mode application"},
      {16, "Invalid attempt to launch second instance"},
      {19, "Cannot load a compressed executable file"},
      {20, "Invalid dynamic link library"},
      {21, "Application requires Win32"},
      {1, "Unknown error"},
      {193, "Unknown error"},
  };
  for (const auto& [code, text] : cases) EXPECT_EQ(TProgramLauncher::LaunchErrorText(code), text) << code;
}

}  // namespace
}  // namespace vorlan

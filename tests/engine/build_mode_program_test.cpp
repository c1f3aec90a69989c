// A setup program started with -b or -f, as its author or user starts it:
// it builds or refuses in a message box that is answered as a person
// would, and then ends.

#include <gtest/gtest.h>

#include <optional>

#include "base/file.h"
#include "box_answerer.h"
#include "build_fixture.h"
#include "program_run.h"

namespace vorlan {
namespace {

using engine_test::FileBytes;
using engine_test::MemberNames;

class BuildModeProgramTest : public engine_test::BuildFixture {
 protected:
  BuildModeProgramTest() : setup_dir(Temp("setup")) {
    ForceDirectories(setup_dir);
    setup_program = setup_dir + "\\product setup.exe";
    EXPECT_TRUE(CopyFileA(testing::BuiltFile("engine_test_setup.exe").c_str(), setup_program.c_str(), FALSE));
  }

  void WriteBuildInf(const std::string& text) { testing::WriteWholeFile(setup_dir + "\\BUILD.INF", text); }

  // user, when given, answers the program's boxes.
  testing::TProgramRun Run(const std::string& arguments, testing::TBoxAnswerer* user = nullptr) {
    return testing::RunProgram("\"" + setup_program + "\" " + arguments, 30000, [user](DWORD process_id) {
      if (user) user->Watch(process_id);
    });
  }

  std::string setup_dir;
  std::string setup_program;
};

TEST_F(BuildModeProgramTest, FailuresEndInAMessageBox) {
  struct {
    std::optional<std::string> build_inf;
    std::string arguments;
    std::string shown;
  } const cases[] = {
      {std::nullopt, "-b",
       "Need to have a BUILD.INF file in this directory with the first line specifying the build directory"},
      {"", "-b", "Must be 1 line in BUILD.INF. This line should specify the build directory"},
      {"   \r\nC:\\Build", "-b", "Must be 1 line in BUILD.INF. This line should specify the build directory"},
      {std::nullopt, "-f *TODISK",
       "Sorry... You can only transfer this installation to floppies through the self-extracting file. Usage "
       "example: setup.exe *TODISK"},
  };
  for (const auto& c : cases) {
    DeleteFileA((setup_dir + "\\BUILD.INF").c_str());
    if (c.build_inf) WriteBuildInf(*c.build_inf);
    std::vector<std::string> shown;
    {
      testing::TBoxAnswerer user("Error", testing::TBoxAnswerer::Always("OK"), testing::TBoxAnswerer::kNoProcess);
      testing::TProgramRun run = Run(c.arguments, &user);
      shown = user.Texts();
      EXPECT_TRUE(run.ended) << c.arguments;
      EXPECT_EQ(run.exit_code, 1u) << c.arguments;
    }
    EXPECT_EQ(shown, std::vector<std::string>{c.shown}) << c.arguments;
  }
  EXPECT_FALSE(DirectoryExists(build_dir));
}

TEST_F(BuildModeProgramTest, BuildWritesTheStandAloneSetup) {
  WriteBuildInf(build_dir + "\r\nanything after the first line\r\n");
  testing::TProgramRun run = Run("-b");
  ASSERT_TRUE(run.ended) << "a message box is waiting";
  EXPECT_EQ(run.exit_code, 0u) << run.output;
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(MemberNames(BuildPath("setup.1")), std::vector<std::string>{setup_program});
  SelfExtractInfo info = ReadSelfExtractInfo(BuildPath("setup.exe"));
  EXPECT_EQ(info.Signature, "SELFEXTRACTING");
  EXPECT_EQ(info.SetupArchiveStart, static_cast<int32_t>(std::string(kLoaderBytes).size()));
  EXPECT_EQ(info.FilesArchiveStart, 0);
  EXPECT_EQ(FileBytes(BuildPath("setup.exe")).substr(0, info.SetupArchiveStart), kLoaderBytes);
}

// The framework's own loading program runs what the build made: it
// unpacks this program from setup.exe and starts it with -s, -e and -c.
TEST_F(BuildModeProgramTest, BuiltSetupStartsThroughTheLoadingProgram) {
  registration.emplace(VORLAN_FRAMEWORK_DIR);
  WriteBuildInf(build_dir);
  ASSERT_EQ(Run("-b").exit_code, 0u);
  std::string report = Temp("report.txt");
  SetEnvironmentVariableA("VORLAN_UNATTENDED", "1");
  SetEnvironmentVariableA("VORLAN_RUN_MODE_FILE", report.c_str());
  testing::TProgramRun run = testing::RunProgram("\"" + BuildPath("setup.exe") + "\"", 30000);
  SetEnvironmentVariableA("VORLAN_UNATTENDED", nullptr);
  SetEnvironmentVariableA("VORLAN_RUN_MODE_FILE", nullptr);
  EXPECT_TRUE(run.ended);
  EXPECT_EQ(run.exit_code, 0u) << run.output;
  std::string expected = "activated switches=esc s=" + build_dir + " loading=" + build_dir + " ";
  EXPECT_EQ(FileBytes(report).substr(0, expected.size()), expected);
}

}  // namespace
}  // namespace vorlan

// The programs a run starts once the product is installed: real processes
// that record the command line they were given.

#include <windows.h>

#include "base/file.h"
#include "run_fixture.h"

namespace vorlan {
namespace {

using engine_test::RunFixture;

class RunAfterInstallTest : public RunFixture {
 protected:
  TInstallFile* MakeProgram(const std::string& name, const std::string& file_name) {
    TInstallFile* file = MakeFile(name, file_name, testing::ReadWholeFile(testing::BuiltFile("engine_record_command_line.exe")));
    file->SetRunAfterInstall(true);
    return file;
  }

  // The command line the program recorded in record, waiting for it a
  // while: the launcher does not wait for a program to end.
  static std::string RecordedCommandLine(const std::string& record) {
    for (int i = 0; i < 200 && !FileExists(record); ++i) Sleep(50);
    if (!FileExists(record)) return "<not started>";
    std::string text = testing::ReadWholeFile(record);
    return text.substr(0, text.find('\n'));
  }
};

// The shutdown that the run asks for comes first, and a definition that
// refuses it keeps the application; the programs start either way.
TEST_F(RunAfterInstallTest, ProgramsStartWithTheirParametersAfterTheShutdown) {
  for (bool refuse : {false, true}) {
    SCOPED_TRACE(refuse ? "shutdown refused" : "shutdown");
    TInstall& engine = LoadEngine();
    TInstallFile* with = MakeProgram("WithParameters", "with.exe");
    with->SetRunParameters("-x \"a b\"");
    TInstallFile* without = MakeProgram("Without", "without.exe");
    TInstallFile* excluded = MakeProgram("Excluded", "excluded.exe");
    excluded->SetInclude(false);
    TInstallFile* skipped = MakeProgram("Skipped", "skipped.exe");
    BuildArchive({with, without, excluded, skipped});
    std::vector<std::string> asked;
    engine.OnBeforeShutdown().Assign([&](TCustomInstall*, bool& quit_out) {
      asked.push_back("shutdown");
      quit_out = !refuse;
    });
    engine.OnBeforeRunFile().Assign([&](TCustomInstall*, const std::string& path, bool& default_action) {
      asked.push_back(ExtractFileName(path));
      std::string record = temp.Path(ExtractFileName(path) + (refuse ? ".refused" : ".ended") + ".txt");
      SetEnvironmentVariableA("VORLAN_RECORD_FILE", record.c_str());
      default_action = ExtractFileName(path) != "skipped.exe";
    });

    Activate();
    SetEnvironmentVariableA("VORLAN_RECORD_FILE", nullptr);

    const char* suffix = refuse ? ".refused.txt" : ".ended.txt";
    EXPECT_EQ(asked, (std::vector<std::string>{"shutdown", "with.exe", "without.exe", "skipped.exe"}));
    EXPECT_EQ(RecordedCommandLine(temp.Path(std::string("with.exe") + suffix)), " -x \"a b\"");
    // Given no command line at all, Wine passes the program's name alone.
    std::string bare = RecordedCommandLine(temp.Path(std::string("without.exe") + suffix));
    EXPECT_TRUE(bare.empty() || bare == "\"" + Dest("without.exe") + "\"") << bare;
    EXPECT_FALSE(FileExists(temp.Path(std::string("skipped.exe") + suffix)));
    EXPECT_EQ(application->Terminated(), !refuse);
    EXPECT_FALSE(engine.InProgress());
    EXPECT_EQ(application->ExitCode(), 0);
  }
}

}  // namespace
}  // namespace vorlan

// Starts the test setup programs built beside this test with various command
// lines and looks at what they report, their error text and exit code.

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "archive/vorlan_compress.h"
#include "base/strings.h"
#include "objects/install_types.h"
#include "system/registry_routines.h"
#include "system/unique_handle.h"
#include "system/vorlan_registry.h"
#include "win_test_support.h"

namespace vorlan {
namespace {

using testing::BuiltFile;

struct TRun {
  DWORD exit_code = 0;
  std::string report;  // what the program's activation handler wrote
  std::string errors;  // what it wrote to stderr
};

class SetupProgramTest : public testing::TempDirTest {
 protected:
  // Runs program unattended and waits at most half a minute for it.
  TRun Run(const std::string& program, const std::string& arguments) {
    ++runs_;
    std::string report = Path("report" + std::to_string(runs_) + ".txt");
    std::string errors = Path("errors" + std::to_string(runs_) + ".txt");
    SetEnvironmentVariableA("VORLAN_UNATTENDED", "1");
    SetEnvironmentVariableA("VORLAN_RUN_MODE_FILE", report.c_str());
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    TUniqueFileHandle error_file(CreateFileA(errors.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    EXPECT_TRUE(error_file.Valid());
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdError = error_file.Get();
    startup.hStdOutput = error_file.Get();
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process{};
    std::string path = BuiltFile(program);
    std::string command = "\"" + path + "\" " + arguments;
    TRun run;
    BOOL started = CreateProcessA(path.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                  &startup, &process);
    SetEnvironmentVariableA("VORLAN_UNATTENDED", nullptr);
    SetEnvironmentVariableA("VORLAN_RUN_MODE_FILE", nullptr);
    if (!started) {
      ADD_FAILURE() << "could not start " << path;
      return run;
    }
    TUniqueKernelHandle process_handle(process.hProcess);
    TUniqueKernelHandle thread_handle(process.hThread);
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
      TerminateProcess(process.hProcess, 99);
      ADD_FAILURE() << program << " " << arguments << " did not end";
    }
    GetExitCodeProcess(process.hProcess, &run.exit_code);
    error_file.Reset();
    // Text-mode output: lines end in CR LF.
    for (char c : testing::ReadWholeFile(errors)) {
      if (c != '\r') run.errors += c;
    }
    if (GetFileAttributesA(report.c_str()) != INVALID_FILE_ATTRIBUTES) run.report = testing::ReadWholeFile(report);
    return run;
  }

  int runs_ = 0;
};

// Deletes the install records that name program and answers how many there were.
int DeleteInstallRecordsOf(const std::string& program) {
  const std::string root = "\\SOFTWARE\\Kavix\\Install";
  TVorlanRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  if (!registry.OpenKey(root, false)) return 0;
  TStringList names = registry.GetKeyNames();
  registry.CloseKey();
  int found = 0;
  for (const std::string& name : names) {
    if (!SameText(ReadRegString(hkLocalMachine, root + "\\" + name, "Path", ""), program)) continue;
    DeleteRegKeyTree(hkLocalMachine, root + "\\" + name);
    ++found;
  }
  return found;
}

std::string ReadFileOrNone(const std::string& path) {
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return "<none>";
  return testing::ReadWholeFile(path);
}

constexpr const char* kInvalid =
    ">. Valid command line parameters are: -b (Build), -d (Debug), -f (Transfer to floppies), -e (Called by "
    "self-extractor), -r (After reboot)\n";

TEST_F(SetupProgramTest, NormalStartWaitsForTheActivation) {
  struct {
    std::string arguments;
    std::string report_start;
  } const cases[] = {
      {"", "activated switches= s= loading="},
      {"\"-sC:\\Load Dir\" -n", "activated switches=sn s=C:\\Load Dir loading=C:\\Load Dir left=0"},
      {"*TODISK -c", "activated switches=c s="},
      {"-d \"-sC:\\My Build\"", "activated switches=ds s=C:\\My Build"},
  };
  for (const auto& c : cases) {
    TRun run = Run("engine_test_setup.exe", c.arguments);
    EXPECT_EQ(run.exit_code, 0u) << c.arguments << ": " << run.errors;
    EXPECT_EQ(run.report.rfind(c.report_start, 0), 0u) << c.arguments << ": " << run.report;
    EXPECT_EQ(run.errors, "") << c.arguments;
  }
}

TEST_F(SetupProgramTest, StartErrorsAreShownAndEndTheProgram) {
  struct {
    std::string arguments;
    std::string errors;
  } const cases[] = {
      {"-x", std::string("Invalid parameter <-x") + kInvalid},
      {"-sC:\\Setup -", std::string("Invalid parameter <-") + kInvalid},
      {"-TODISK", std::string("Invalid parameter <-TODISK") + kInvalid},
      {"-d", "You forgot to pass in the build directory. In Run | Parameters, follow this format: -d "
             "\"-sC:\\My Build\"\n"},
      {"-b -r", "Need to have a BUILD.INF file in this directory with the first line specifying the build "
                "directory\n"},
      {"-f", "Sorry... You can only transfer this installation to floppies through the self-extracting file. "
             "Usage example: setup.exe *TODISK\n"},
      {"-r", "The TInstall could not either write or read unfinished business from the registry\n"},
  };
  for (const auto& c : cases) {
    TRun run = Run("engine_test_setup.exe", c.arguments);
    EXPECT_EQ(run.exit_code, 1u) << c.arguments;
    EXPECT_EQ(run.errors, c.errors) << c.arguments;
    EXPECT_EQ(run.report, "") << c.arguments;
  }
}

TEST_F(SetupProgramTest, TwoEnginesAreRefused) {
  TRun run = Run("engine_test_two_engines.exe", "");
  EXPECT_EQ(run.exit_code, 1u);
  EXPECT_NE(run.errors.find("The TInstall component does not currently support the use of 2 TInstall components in "
                            "the same project"),
            std::string::npos)
      << run.errors;
}

// The shipped skeleton expects the loading program's directory: without
// -s its first activation ends in the engine's handler, which shows why
// and ends the program.
TEST_F(SetupProgramTest, RunFailureEndsThroughTheEnginesHandler) {
  TRun run = Run("engine_test_plain.exe", "");
  EXPECT_EQ(run.exit_code, 1u);
  EXPECT_EQ(run.errors,
            "The path of the loading program was not passed correctly. If you are running your install project in the "
            "IDE, then you need to add two command line parameters. In Run | Parameters | \"Run Parameters\", type "
            "in: -d \"-sBUILDPATH\" where BUILDPATH is the path into which you built the distributables. Example: "
            "-d \"-sC:\\My Build\".\n");
}

// A definition without dialog managers installs from the archive beside
// the loading program with no window but the main form, and ends by itself.
// The archive knows its members by their sources, where the definition
// says they were.
TEST_F(SetupProgramTest, SilentInstallationEndsByItself) {
  const std::string sources = "C:\\VorlanSilentSource", installed = "C:\\VorlanSilentTest";
  const std::string values(5000, '\x7f');
  CreateDirectoryA(sources.c_str(), nullptr);
  testing::WriteWholeFile(sources + "\\readme.txt", "Read me first");
  testing::WriteWholeFile(sources + "\\values.bin", values);
  {
    TVorlanCompress archive(nullptr);
    archive.SetCompressedFile(Path("files.1"));
    archive.SetFilesToProcess({sources + "\\readme.txt"});
    archive.Add(false, 1);
    archive.SetFilesToProcess({sources + "\\values.bin"});
    archive.Add(true, 2);
  }
  TRun run = Run("engine_test_silent.exe", "\"-s" + Dir() + "\"");
  EXPECT_EQ(run.exit_code, 0u) << run.errors;
  EXPECT_EQ(run.errors, "");
  EXPECT_EQ(ReadFileOrNone(installed + "\\readme.txt"), "Read me first");
  EXPECT_TRUE(ReadFileOrNone(installed + "\\data\\values.bin") == values) << "values.bin differs";
  // A successful run leaves no install record behind.
  EXPECT_EQ(DeleteInstallRecordsOf(BuiltFile("engine_test_silent.exe")), 0);
  DeleteRegKeyTree(hkLocalMachine, std::string(kUninstallKeyPrefix) + "Vorlan Silent Test");
  std::error_code ignored;
  std::filesystem::remove_all(installed, ignored);
  std::filesystem::remove_all(sources, ignored);
}

}  // namespace
}  // namespace vorlan

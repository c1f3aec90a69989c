// The install record and the cleanup batch as a setup program sees them
// from where it was copied to: copies of the record test program are
// started from temporary directories.

#include <windows.h>

#include <gtest/gtest.h>

#include "base/strings.h"
#include "engine/custom_install.h"
#include "system/registry_routines.h"
#include "system/unique_handle.h"
#include "system/vorlan_registry.h"
#include "win_test_support.h"

namespace vorlan {
namespace {

class RecordProgramTest : public testing::TempDirTest {
 protected:
  ~RecordProgramTest() override {
    for (const std::string& key : records_) DeleteRegKeyTree(hkLocalMachine, key);
  }

  // A copy of the test program in its own directory; CopyFile keeps the
  // last-write time. extra bytes make it another program.
  std::string Copy(const std::string& directory, int extra = 0) {
    std::string dir = Path(directory);
    CreateDirectoryA(dir.c_str(), nullptr);
    std::string program = dir + "\\setup.exe";
    EXPECT_TRUE(CopyFileA(testing::BuiltFile("engine_test_record.exe").c_str(), program.c_str(), FALSE));
    if (extra > 0) {
      testing::WriteWholeFile(program, testing::ReadWholeFile(program) + std::string(extra, '\0'));
    }
    return program;
  }

  // Runs program with the action and answers its report.
  std::string Run(const std::string& program, const std::string& action, const std::string& arguments = "") {
    std::string report = Path("report.txt");
    DeleteFileA(report.c_str());
    SetEnvironmentVariableA("VORLAN_UNATTENDED", "1");
    SetEnvironmentVariableA("VORLAN_RECORD_ACTION", action.c_str());
    SetEnvironmentVariableA("VORLAN_RECORD_REPORT", report.c_str());
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string command = "\"" + program + "\" " + arguments;
    BOOL started =
        CreateProcessA(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    for (const char* name : {"VORLAN_UNATTENDED", "VORLAN_RECORD_ACTION", "VORLAN_RECORD_REPORT"}) {
      SetEnvironmentVariableA(name, nullptr);
    }
    if (!started) {
      ADD_FAILURE() << "could not start " << program;
      return "";
    }
    TUniqueKernelHandle process_handle(process.hProcess);
    TUniqueKernelHandle thread_handle(process.hThread);
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
      TerminateProcess(process.hProcess, 99);
      ADD_FAILURE() << program << " did not end";
    }
    std::string text = testing::ReadWholeFile(report);
    if (action == "record" && !text.empty()) records_.push_back(text);
    return text;
  }

  // The first "Install%d" that is not a record yet.
  static std::string FreeRecordName(const std::string& taken = "") {
    TVorlanRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    TStringList names;
    if (registry.OpenKeyReadOnly(kInstallRecordRoot)) names = registry.GetKeyNames();
    for (int n = 0;; ++n) {
      std::string name = "Install" + std::to_string(n);
      bool used = SameText(name, taken);
      for (const std::string& existing : names) used = used || SameText(existing, name);
      if (!used) return std::string(kInstallRecordRoot) + "\\" + name;
    }
  }

  // Waits a while for a path to go.
  static bool Gone(const std::string& path) {
    for (int i = 0; i < 200 && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; ++i) Sleep(50);
    return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
  }

  std::vector<std::string> records_;
};

TEST_F(RecordProgramTest, ACopiedProgramKeepsItsRecord) {
  std::string first = Copy("first");
  std::string expected = FreeRecordName();
  std::string key = Run(first, "record");
  EXPECT_EQ(key, expected);
  std::string moved = Copy("moved");
  ASSERT_TRUE(CopyFileA(first.c_str(), moved.c_str(), FALSE));
  EXPECT_EQ(Run(moved, "record"), key);
  EXPECT_TRUE(SameText(ReadRegString(hkLocalMachine, key, "Path", ""), moved));
}

TEST_F(RecordProgramTest, RecordNumbersAreReused) {
  std::string first_key = FreeRecordName();
  std::string second_key = FreeRecordName(ExtractFileName(first_key));
  EXPECT_EQ(Run(Copy("one", 1), "record"), first_key);
  EXPECT_EQ(Run(Copy("two", 2), "record"), second_key);
  DeleteRegKeyTree(hkLocalMachine, first_key);
  EXPECT_EQ(Run(Copy("three", 3), "record"), first_key);
}

// -c from the loading program: the directory is emptied of what can go
// now; the batch takes the program once it has ended, then itself.
TEST_F(RecordProgramTest, CleanupBatchRemovesTheProgramAfterItEnded) {
  std::string program = Copy("unpacked");
  std::string dir = ExtractFileDir(program);
  testing::WriteWholeFile(dir + "\\readme.txt", "read me");
  CreateDirectoryA((dir + "\\sub").c_str(), nullptr);
  std::string report = Run(program, "cleanup", "-sC:\\Loader -c");
  size_t end = report.find('\n');
  ASSERT_NE(end, std::string::npos) << report;
  std::string batch = report.substr(0, end);
  EXPECT_TRUE(SameText(ExtractFileExt(batch), ".bat")) << batch;
  // The program's erase first (tried until the program has ended), then
  // its directory, the batch's own PIF and the batch itself.
  std::string lines = report.substr(end + 1);
  std::string erase_program = "ERASE \"" + program + "\"\r\n";
  // This system is of the NT family, whose interpreter has no DELTREE.
  std::string rest = "RMDIR /S /Q \"" + dir + "\"\r\nERASE \"" + ChangeFileExt(batch, ".PIF") + "\"\r\nERASE \"" +
                     batch + "\"\r\n";
  size_t erase = lines.find(erase_program);
  EXPECT_NE(erase, std::string::npos) << lines;
  EXPECT_LT(erase, lines.find("RMDIR")) << lines;
  EXPECT_TRUE(EndsWithText(lines, rest)) << lines;
  EXPECT_EQ(GetFileAttributesA((dir + "\\readme.txt").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(Gone(program));
  EXPECT_TRUE(Gone(dir + "\\sub"));
  EXPECT_TRUE(Gone(dir));
  EXPECT_TRUE(Gone(batch));
}

// "*TODISK" through the loading program: the transfer (failing here, as
// the copy holds no archives) leaves no unpacked program behind either.
TEST_F(RecordProgramTest, FloppyTransferRemovesTheUnpackedProgram) {
  std::string program = Copy("floppy");
  std::string dir = ExtractFileDir(program);
  std::string readme = dir + "\\readme.txt";
  testing::WriteWholeFile(readme, "read me");
  Run(program, "none", "-f \"-esetup.exe\" \"-s" + dir + "\" -c");
  EXPECT_EQ(GetFileAttributesA(readme.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(Gone(program));
}

TEST_F(RecordProgramTest, CleanupOnlyWhenAllowed) {
  struct {
    const char* action;
    const char* arguments;
  } const cases[] = {
      {"cleanup", "-sC:\\Loader"},
      {"cleanup", "-d -sC:\\Loader -c"},
      {"cleanup-plain", "-sC:\\Loader -c"},
      {"cleanup-refused", "-sC:\\Loader -c"},
  };
  for (const auto& c : cases) {
    std::string program = Copy("kept");
    std::string readme = ExtractFileDir(program) + "\\readme.txt";
    testing::WriteWholeFile(readme, "read me");
    EXPECT_EQ(Run(program, c.action, c.arguments), "none") << c.action << " " << c.arguments;
    EXPECT_NE(GetFileAttributesA(readme.c_str()), INVALID_FILE_ATTRIBUTES) << c.action << " " << c.arguments;
  }
}

}  // namespace
}  // namespace vorlan

// The loading program as a build turns it into setup.exe, run under Wine:
// stand-alone (both archives, the record and the checksum inside it) and
// with setup.1 beside it. The setup program it unpacks is a stand-in that
// records how it was started, or a real setup program that reports which
// loading program its engine believes started it. The starts and refusals
// run once more with the loading program built to take every fallback of
// the compatibility object, as on the oldest systems.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "archive/self_extract_info.h"
#include "archive/vorlan_compress.h"
#include "base/strings.h"
#include "framework_registration.h"
#include "objects/framework_directory.h"
#include "system/file_checksum.h"
#include "system/unique_handle.h"
#include "widgets/command_line.h"
#include "win_test_support.h"

namespace vorlan {
namespace {

using testing::BuiltFile;
using testing::ReadWholeFile;
using testing::WriteWholeFile;

struct TLoaderRun {
  DWORD exit_code = 0;
  std::string errors;                   // stderr of the loader and the program it started
  std::optional<std::string> record;    // what the started program wrote, when it ran
};

// The names in a directory, without "." and "..".
std::set<std::string> DirectoryNames(const std::string& dir) {
  std::set<std::string> names;
  WIN32_FIND_DATAA found;
  TUniqueFindHandle find(FindFirstFileA((dir + "\\*").c_str(), &found));
  for (bool more = find.Valid(); more; more = FindNextFileA(find.Get(), &found)) {
    std::string name = found.cFileName;
    if (name != "." && name != "..") names.insert(name);
  }
  return names;
}

// The current environment with the given variables replaced, as a block
// for CreateProcess.
std::string EnvironmentWith(const std::vector<std::pair<std::string, std::string>>& overrides) {
  std::string block;
  char* strings = GetEnvironmentStringsA();
  for (const char* entry = strings; *entry; entry += lstrlenA(entry) + 1) {
    std::string text = entry;
    bool replaced = std::any_of(overrides.begin(), overrides.end(), [&](const auto& o) {
      return StartsWithText(text, o.first + "=");
    });
    if (!replaced) block += text + '\0';
  }
  FreeEnvironmentStringsA(strings);
  for (const auto& [name, value] : overrides) block += name + "=" + value + '\0';
  return block + '\0';
}

class LoaderTest : public testing::TempDirTest {
 protected:
  enum TLayout { StandAlone, Beside, FloppyCopy, Bare };

  void SetUp() override {
    TempDirTest::SetUp();
    framework_.emplace(VORLAN_FRAMEWORK_DIR);
    for (const char* dir : {"My Setup", "temp", "stage"}) ASSERT_TRUE(CreateDirectoryA(Path(dir).c_str(), nullptr));
    setup_dir_ = Path("My Setup");
    temp_ = Path("temp");
  }
  void TearDown() override {
    framework_.reset();
    TempDirTest::TearDown();
  }

  std::string SetupPath(const std::string& name) const { return setup_dir_ + "\\" + name; }

  // The loading program as the registered framework directory holds it.
  virtual std::string LoaderPath() const {
    return AddBackslash(FindFrameworkDirectory(true)) + "VorlanLoadProgram.exe";
  }
  std::string LoaderBytes() const { return ReadWholeFile(LoaderPath()); }

  // An archive made of the given files, first to last, as a build adds them.
  std::string Archive(const TStringList& files) {
    std::string archive = Path("archive.tmp");
    DeleteFileA(archive.c_str());
    TVorlanCompress compress(nullptr);
    compress.SetCompressedFile(archive);
    compress.SetFilesToProcess(files);
    compress.Add(false, 0);
    return ReadWholeFile(archive);
  }

  // setup.1: the setup program, under the given name, then two presetup files.
  std::string SetupArchive(const std::string& program, const std::string& name) {
    std::string staged = Path("stage\\" + name);
    EXPECT_TRUE(CopyFileA(BuiltFile(program).c_str(), staged.c_str(), FALSE));
    WriteWholeFile(Path("stage\\Licence.rtf"), "{\\rtf1 licence}");
    WriteWholeFile(Path("stage\\Readme.rtf"), "{\\rtf1 readme}");
    return Archive({staged, Path("stage\\Licence.rtf"), Path("stage\\Readme.rtf")});
  }

  // setup.exe with both archives inside, the record and the checksum.
  std::string MakeStandAlone(const std::string& program = "setup_stand_in.exe",
                             const std::string& exe_name = "setup.exe",
                             const std::function<void(SelfExtractInfo&)>& adjust = {}) {
    WriteWholeFile(Path("stage\\payload.txt"), std::string(5000, 'p'));
    std::string loader = LoaderBytes(), setup = SetupArchive(program, kProgramName),
                files = Archive({Path("stage\\payload.txt")});
    auto size = [](const std::string& bytes) { return static_cast<int32_t>(bytes.size()); };
    int32_t setup_start = size(loader), files_start = setup_start + size(setup);
    SelfExtractInfo info{"SELFEXTRACTING", setup_start, files_start - 1, files_start, files_start + size(files) - 1};
    if (adjust) adjust(info);
    auto record = EncodeSelfExtractInfo(info);
    std::string exe = SetupPath(exe_name);
    WriteWholeFile(exe, loader + setup + files + std::string(record.begin(), record.end()));
    AddFileCheckSum(exe);
    return exe;
  }

  // setup.exe with setup.1 beside it, ending as a build leaves it (the
  // record of a setup that is not stand-alone, and the checksum), as the
  // floppy transfer does (the record alone), or as the framework directory
  // holds the loading program (bare).
  std::string MakeBeside(const std::string& program = "setup_stand_in.exe", TLayout layout = Beside) {
    WriteWholeFile(SetupPath("setup.1"), SetupArchive(program, kProgramName));
    auto record = EncodeSelfExtractInfo({"NOTSELFEXTRACT", 0, 0, 0, 0});
    std::string exe = SetupPath("setup.exe");
    WriteWholeFile(exe, LoaderBytes() + (layout == Bare ? "" : std::string(record.begin(), record.end())));
    if (layout == Beside) AddFileCheckSum(exe);
    return exe;
  }

  // Runs exe unattended, minimised, with its temporary directory inside the
  // test's, and waits at most a minute for it.
  TLoaderRun Run(const std::string& exe, const std::string& arguments, int exit_code = 0) {
    std::string record = Path("record.txt"), errors = Path("errors.txt");
    DeleteFileA(record.c_str());
    std::string environment = EnvironmentWith({{"VORLAN_UNATTENDED", "1"},
                                               {"VORLAN_RECORD_FILE", record},
                                               {"VORLAN_EXIT_CODE", std::to_string(exit_code)},
                                               {"TMP", temp_},
                                               {"TEMP", temp_}});
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    TUniqueFileHandle error_file(CreateFileA(errors.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                             &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    EXPECT_TRUE(error_file.Valid());
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINNOACTIVE;
    startup.hStdError = error_file.Get();
    startup.hStdOutput = error_file.Get();
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    std::string command = "\"" + exe + "\" " + arguments;
    PROCESS_INFORMATION process{};
    TLoaderRun run;
    if (!CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, TRUE, 0, environment.data(), nullptr,
                        &startup, &process)) {
      ADD_FAILURE() << "could not start " << exe;
      return run;
    }
    TUniqueKernelHandle process_handle(process.hProcess);
    TUniqueKernelHandle thread_handle(process.hThread);
    if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0) {
      TerminateProcess(process.hProcess, 99);
      ADD_FAILURE() << exe << " " << arguments << " did not end";
    }
    GetExitCodeProcess(process.hProcess, &run.exit_code);
    error_file.Reset();
    for (char c : ReadWholeFile(errors)) {
      if (c != '\r') run.errors += c;
    }
    if (GetFileAttributesA(record.c_str()) != INVALID_FILE_ATTRIBUTES) run.record = ReadWholeFile(record);
    return run;
  }

  static constexpr const char* kProgramName = "Product Setup.exe";

  std::string setup_dir_, temp_;

 private:
  std::optional<testing::TFrameworkRegistration> framework_;
};

// The stand-in's record: its parameters (its own path first), then its
// startup flags and show command.
struct TStandInRecord {
  std::vector<std::string> parameters;
  std::string startup;
};

TStandInRecord ParseRecord(const std::string& record) {
  size_t line_end = record.find('\n');
  return {SplitCommandLine(record.substr(0, line_end)),
          line_end == std::string::npos ? std::string() : record.substr(line_end + 1)};
}

enum TLoaderBuild { kShipped, kForcedFallbacks };

class LoaderBuildTest : public LoaderTest, public ::testing::WithParamInterface<TLoaderBuild> {
 protected:
  std::string LoaderPath() const override {
    return GetParam() == kShipped ? LoaderTest::LoaderPath() : BuiltFile("loader_forced_fallbacks.exe");
  }
};

INSTANTIATE_TEST_SUITE_P(Builds, LoaderBuildTest, ::testing::Values(kShipped, kForcedFallbacks),
                         [](const auto& info) { return info.param == kShipped ? "Shipped" : "ForcedFallbacks"; });

TEST_P(LoaderBuildTest, StartsTheSetupProgramFromANewTemporaryDirectory) {
  const std::string s = "-s" + setup_dir_;
  struct {
    TLayout layout;
    std::string arguments;
    std::vector<std::string> expected;
    int exit_code;
  } const cases[] = {
      {StandAlone, "", {s, "-esetup.exe", "-c"}, 0},
      {Beside, "", {s, "-c"}, 3},
      {FloppyCopy, "", {s, "-c"}, 0},
      {Bare, "", {s, "-c"}, 0},
      {StandAlone, "*TODISK", {s, "-esetup.exe", "-c", "-f"}, 0},
      {StandAlone, "*n \"*X y\" *todisk", {s, "-esetup.exe", "-c", "-f", "*n", "*X y"}, 42},
      {Beside, "*n", {s, "-c", "*n"}, 7},
  };
  for (const auto& c : cases) {
    std::set<std::string> before = DirectoryNames(temp_);
    std::string exe = c.layout == StandAlone ? MakeStandAlone() : MakeBeside("setup_stand_in.exe", c.layout);
    TLoaderRun run = Run(exe, c.arguments, c.exit_code);
    EXPECT_EQ(run.exit_code, static_cast<DWORD>(c.exit_code)) << c.arguments << ": " << run.errors;
    EXPECT_EQ(run.errors, "") << c.arguments;
    ASSERT_TRUE(run.record) << c.arguments;
    TStandInRecord record = ParseRecord(*run.record);
    ASSERT_FALSE(record.parameters.empty());
    std::string program = record.parameters.front();
    record.parameters.erase(record.parameters.begin());
    EXPECT_EQ(record.parameters, c.expected) << c.arguments;
    // The loader's show command and standard handles reach the setup.
    EXPECT_EQ(record.startup, std::to_string(STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW) + " " +
                                  std::to_string(SW_SHOWMINNOACTIVE));
    std::string program_dir = ExtractFileDir(program);
    EXPECT_EQ(ExtractFileName(program), kProgramName);
    EXPECT_TRUE(SameText(ExtractFileDir(program_dir), temp_)) << program;
    EXPECT_EQ(DirectoryNames(program_dir), (std::set<std::string>{kProgramName, "Licence.rtf", "Readme.rtf"}));
    EXPECT_EQ(ReadWholeFile(program_dir + "\\Readme.rtf"), "{\\rtf1 readme}");
    // A new directory for each run; the setup program removes it (-c).
    std::set<std::string> after = DirectoryNames(temp_);
    EXPECT_EQ(after.size(), before.size() + 1) << c.arguments;
    EXPECT_EQ(before.count(ExtractFileName(program_dir)), 0u) << c.arguments;
  }
}

TEST_P(LoaderBuildTest, RefusesWithAClearMessageAndLeavesNothingBehind) {
  auto flip = [](const std::string& exe, int64_t offset) {
    std::string bytes = ReadWholeFile(exe);
    size_t at = static_cast<size_t>(offset < 0 ? static_cast<int64_t>(bytes.size()) + offset : offset);
    bytes[at] = static_cast<char>(bytes[at] ^ 0x01);
    WriteWholeFile(exe, bytes);
  };
  auto damaged = [](const std::string& exe) {
    return "The setup program " + exe + " is damaged and cannot run. Please download or copy it again\n";
  };
  struct {
    const char* what;
    std::function<std::string()> make;  // answers the setup.exe to run
    std::string arguments;
    std::function<std::string(const std::string& exe)> message;
  } const cases[] = {
      {"a byte of the loader in a stand-alone setup",
       [&] { std::string exe = MakeStandAlone(); flip(exe, 0x70); return exe; }, "", damaged},
      {"a byte of its setup archive",
       [&] {
         std::string exe = MakeStandAlone();
         flip(exe, static_cast<int64_t>(LoaderBytes().size()) + 200);
         return exe;
       },
       "", damaged},
      {"a byte of its main archive", [&] { std::string exe = MakeStandAlone(); flip(exe, -150); return exe; }, "",
       damaged},
      {"a byte of its record's signature", [&] { std::string exe = MakeStandAlone(); flip(exe, -90); return exe; },
       "", damaged},
      {"a byte of its checksum", [&] { std::string exe = MakeStandAlone(); flip(exe, -1); return exe; }, "",
       damaged},
      {"a record that puts the main archive past the end, checksum intact",
       [&] {
         return MakeStandAlone("setup_stand_in.exe", "setup.exe",
                               [](SelfExtractInfo& info) { info.FilesArchiveEnd += 97; });
       },
       "", damaged},
      {"a byte of a setup.exe beside setup.1", [&] { std::string exe = MakeBeside(); flip(exe, 0x70); return exe; },
       "", damaged},
      {"setup.1 missing",
       [&] { std::string exe = MakeBeside(); DeleteFileA(SetupPath("setup.1").c_str()); return exe; }, "",
       [&](const std::string&) {
         return "Cannot find the setup archive " + SetupPath("setup.1") +
                ". It must be in the same directory as the setup program\n";
       }},
      {"setup.1 cut short",
       [&] {
         std::string exe = MakeBeside();
         WriteWholeFile(SetupPath("setup.1"), ReadWholeFile(SetupPath("setup.1")).substr(0, 300));
         return exe;
       },
       "",
       [&](const std::string&) {
         return "Cannot unpack the setup archive " + SetupPath("setup.1") +
                ": Could not read the file headers for the compressed file. The Archive file could possible be "
                "corrupt\n";
       }},
      {"*TODISK without embedded archives", [&] { return MakeBeside(); }, "*TODISK",
       [](const std::string&) {
         return std::string("Only a self-extracting setup program can transfer the installation to floppy disks "
                            "(*TODISK); setup.exe keeps its archives beside it\n");
       }},
      {"a parameter that does not begin with *", [&] { return MakeStandAlone(); }, "*n -b",
       [](const std::string&) {
         return std::string("Invalid parameter <-b>. The setup program accepts *TODISK (transfer the installation "
                            "to floppy disks) and other parameters that begin with *\n");
       }},
      {"a parameter that would move the archives", [&] { return MakeStandAlone(); }, "\"*sC:\\Else where\"",
       [](const std::string&) {
         return std::string("Invalid parameter <*sC:\\Else where>. The setup program passes its own directory (-s) "
                            "and file name (-e) on\n");
       }},
  };
  for (const auto& c : cases) {
    std::string exe = c.make();
    TLoaderRun run = Run(exe, c.arguments);
    EXPECT_EQ(run.exit_code, 1u) << c.what;
    EXPECT_EQ(run.errors, c.message(exe)) << c.what;
    EXPECT_FALSE(run.record) << c.what;
    EXPECT_TRUE(DirectoryNames(temp_).empty()) << c.what;
  }
}

// The engine of a real setup program agrees with the loader on where the
// loading program is: named by -e when the archives are inside it.
TEST_F(LoaderTest, TheSetupsEngineFindsItsLoadingProgram) {
  struct {
    bool stand_alone;
    std::string expected;
  } const cases[] = {
      {true, "loading=" + setup_dir_ + "\\Product.exe\ns=" + setup_dir_ + "\ne=Product.exe\nc=1"},
      {false, "loading=" + setup_dir_ + "\\setup.exe\ns=" + setup_dir_ + "\ne=\nc=1"},
  };
  for (const auto& c : cases) {
    std::string exe =
        c.stand_alone ? MakeStandAlone("loader_test_setup.exe", "Product.exe") : MakeBeside("loader_test_setup.exe");
    TLoaderRun run = Run(exe, "");
    EXPECT_EQ(run.exit_code, 0u) << run.errors;
    EXPECT_EQ(run.record.value_or("(did not run)"), c.expected);
  }
}

}  // namespace
}  // namespace vorlan

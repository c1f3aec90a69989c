// The import table and header of every program that travels to a user's
// machine, against the table of what each Windows kind the setup serves
// exports (windows_imports.txt).

#include "import_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/strings.h"

namespace vorlan::testing {
namespace {

// A path of the build tree as Wine's programs see it (drive Z: is the root).
std::string WinePath(std::string unix_path) {
  std::replace(unix_path.begin(), unix_path.end(), '/', '\\');
  return "Z:" + unix_path;
}

std::string Listed(const std::vector<std::string>& problems) {
  std::string text;
  for (const std::string& problem : problems) text += "\n  " + problem;
  return text;
}

TWindowsImportFacts ProjectFacts() { return TWindowsImportFacts::Read(WinePath(VORLAN_WINDOWS_IMPORTS)); }

TEST(ImportCheckTest, EveryShippedProgramStartsOnEveryWindowsServed) {
  TWindowsImportFacts facts = ProjectFacts();
  TStringList programs;
  SplitFields(VORLAN_SHIPPED_PROGRAMS, '|', programs);
  ASSERT_GE(programs.size(), 6u);
  for (const std::string& program : programs) {
    TImportTable imports = ReadImportTable(WinePath(program));
    EXPECT_FALSE(imports.functions.empty()) << program;
    std::vector<std::string> problems = ImportProblems(imports, facts);
    EXPECT_TRUE(problems.empty()) << program << Listed(problems);
  }
}

// Linked as the toolchain links when nothing more is asked, a program that
// starts a thread and reads a file stream imports what the oldest systems
// lack.
TEST(ImportCheckTest, AProgramWithoutTheCompatibilityObjectIsRejected) {
  std::vector<std::string> problems =
      ImportProblems(ReadImportTable(WinePath(VORLAN_WITHOUT_COMPAT_PROGRAM)), ProjectFacts());
  const std::string expected[] = {
      "KERNEL32.dll GetTickCount64: lacking on 95, 98, ME, NT4, 2000, XP (",
      "KERNEL32.dll IsDebuggerPresent: lacking on 95 (",
      "msvcrt.dll _fstat64: lacking on 95, 98, NT4 (",
  };
  for (const std::string& problem : expected) {
    EXPECT_TRUE(std::any_of(problems.begin(), problems.end(),
                            [&](const std::string& found) { return StartsWithText(found, problem); }))
        << problem << " among" << Listed(problems);
  }
}

const char kFacts[] =
    "# comment\n"
    "source doc  The documentation\n"
    "\n"
    "KERNEL32.dll  Sleep        -          doc\n"
    "KERNEL32.dll  NewFunction  95,NT4,XP  doc   since 2001\n"
    "msvcrt.dll    malloc       -          doc\n";

TEST(ImportCheckTest, RulesOfTheCheck) {
  TWindowsImportFacts facts = TWindowsImportFacts::Parse(kFacts);
  using TFunctions = std::vector<std::pair<std::string, std::string>>;  // DLL, function
  struct {
    const char* what;
    TPeVersion os, subsystem;
    TFunctions functions;
    std::vector<std::string> expected;
  } const cases[] = {
      {"known functions, 4.0", {4, 0}, {4, 0}, {{"kernel32.dll", "Sleep"}, {"MSVCRT.DLL", "malloc"}}, {}},
      {"older versions", {3, 10}, {3, 51}, {{"KERNEL32.dll", "Sleep"}}, {}},
      {"a function lacking on some kinds",
       {4, 0},
       {4, 0},
       {{"KERNEL32.dll", "NewFunction"}, {"KERNEL32.dll", "Sleep"}},
       {"KERNEL32.dll NewFunction: lacking on 95, NT4, XP (The documentation; since 2001)"}},
      {"an unknown function and one by ordinal",
       {4, 0},
       {4, 0},
       {{"KERNEL32.dll", "#12"}, {"KERNEL32.dll", "Sleep"}, {"KERNEL32.dll", "Unknown"}},
       {"KERNEL32.dll #12: not in the table", "KERNEL32.dll Unknown: not in the table"}},
      {"a new DLL", {4, 0}, {4, 0}, {{"NEW.dll", "Sleep"}, {"NEW.dll", "Other"}},
       {"NEW.dll: a DLL the table does not know"}},
      {"versions above 4.0",
       {5, 1},
       {4, 10},
       {{"KERNEL32.dll", "Sleep"}},
       {"system version 5.1 is above 4.0", "subsystem version 4.10 is above 4.0"}},
      {"a subsystem version 6.0", {4, 0}, {6, 0}, {}, {"subsystem version 6.0 is above 4.0"}},
  };
  for (const auto& c : cases) {
    TImportTable imports;
    imports.os_version = c.os;
    imports.subsystem_version = c.subsystem;
    for (const auto& [dll, function] : c.functions) imports.functions[dll].insert(function);
    EXPECT_EQ(ImportProblems(imports, facts), c.expected) << c.what;
  }
}

TEST(WindowsImportFactsTest, BadEntriesNameTheirLine) {
  const std::string source = "source doc The documentation\n";
  struct {
    std::string text;
    std::string error;
  } const cases[] = {
      {source + "KERNEL32.dll Sleep -\n", "line 2: an entry needs a DLL, a function, the kinds lacking it and a source"},
      {source + "KERNEL32.dll Sleep - nowhere\n", "line 2: unknown source \"nowhere\""},
      {source + "KERNEL32.dll Sleep 95,Vista doc\n", "line 2: unknown Windows kind in \"95,Vista\""},
      {source + "KERNEL32.dll Sleep 95,,98 doc\n", "line 2: unknown Windows kind in \"95,,98\""},
      {source + "\nKERNEL32.dll Sleep - doc\nkernel32.DLL Sleep 95 doc\n", "line 4: kernel32.DLL Sleep is named twice"},
      {"source doc\n", "line 1: a source needs a key and a text"},
  };
  for (const auto& c : cases) {
    try {
      TWindowsImportFacts::Parse(c.text);
      ADD_FAILURE() << "accepted " << c.text;
    } catch (const std::runtime_error& error) {
      EXPECT_EQ(error.what(), c.error) << c.text;
    }
  }
}

TEST(ImportTableTest, AFileThatIsNoProgramIsReportedByName) {
  std::string path = WinePath(VORLAN_WINDOWS_IMPORTS);
  EXPECT_THROW(ReadImportTable(path), std::runtime_error);
  try {
    ReadImportTable(path);
  } catch (const std::runtime_error& error) {
    EXPECT_TRUE(StartsWithText(error.what(), path)) << error.what();
  }
}

}  // namespace
}  // namespace vorlan::testing

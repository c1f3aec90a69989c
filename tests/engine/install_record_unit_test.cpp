// The install record on its own, under a key of the test's own instead of
// the machine's record root: no engine, no form.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "base/exceptions.h"
#include "base/file.h"
#include "engine/install_record.h"
#include "system/registry_routines.h"
#include "win_test_support.h"

namespace vorlan {
namespace {

class TInstallRecordTest : public testing::RegistryKeyTest {
 protected:
  void SetUp() override {
    RegistryKeyTest::SetUp();
    testing::WriteWholeFile(temp_.Path("setup_a.exe"), "the setup program");
    record_.emplace(Root(), KeyPath(), key_, start_time_);
  }

  std::string Root() const { return KeyPath() + "\\Install"; }
  std::string Program() const { return temp_.Path("setup_a.exe"); }
  std::string Value(const std::string& key, const char* name) const {
    return ReadRegString(hkLocalMachine, key, name, "<none>");
  }

  testing::TTempDir temp_;
  std::string key_;
  TDateTime start_time_ = 45000.5;
  std::optional<TInstallRecord> record_;
};

// The program is recognised by its size and date wherever it lies now; the
// record learns the new place.
TEST_F(TInstallRecordTest, AMovedProgramKeepsItsRecord) {
  record_->Open(Program(), "", true);
  ASSERT_EQ(key_, Root() + "\\Install0");
  std::string moved = temp_.Path("moved.exe");
  ASSERT_TRUE(CopyFileA(Program().c_str(), moved.c_str(), FALSE));
  std::string found;
  ASSERT_TRUE(record_->Find(moved, "", false, found));
  EXPECT_EQ(found, key_);
  EXPECT_EQ(Value(found, "Path"), moved);
  // A program of another size is another setup, with a record of its own.
  testing::WriteWholeFile(moved, "another setup program");
  EXPECT_FALSE(record_->Find(moved, "", false, found));
  EXPECT_EQ(found, "");
}

// A new record takes the first free name, past the records of other setups.
TEST_F(TInstallRecordTest, ANewRecordTakesTheFirstFreeName) {
  WriteRegString(hkLocalMachine, Root() + "\\Install0", "Path", "elsewhere");
  WriteRegString(hkLocalMachine, Root() + "\\install1", "Path", "elsewhere");
  WriteRegString(hkLocalMachine, Root() + "\\Install3", "Path", "elsewhere");
  record_->Open(Program(), "D:\\cd\\setup.exe", true);
  EXPECT_EQ(key_, Root() + "\\Install2");
  EXPECT_EQ(Value(key_, "SelfExtract"), "D:\\cd\\setup.exe");
  // Opening without creating finds nothing for a program without a record.
  testing::WriteWholeFile(Program(), "changed");
  record_->Open(Program(), "", false);
  EXPECT_EQ(key_, "");
}

// The count decides whether the run registers the after-reboot run: it
// grows only by the entries that were written.
TEST_F(TInstallRecordTest, TheUnfinishedCountFollowsTheWrittenEntries) {
  EXPECT_THROW(record_->AddUnfinishedEntry("File1", 0), IEInstall);
  EXPECT_EQ(record_->UnfinishedCount(), 0);
  record_->Open(Program(), "", true);
  record_->AddUnfinishedEntry("File1", 0);
  record_->AddUnfinishedEntry("C:\\a;b\\old.dll", 1);
  EXPECT_EQ(record_->UnfinishedCount(), 2);
  TStringList list;
  record_->ReadUnfinishedList(list);
  // The registry keeps the values in an order of its own.
  std::sort(list.begin(), list.end());
  EXPECT_EQ(list, (TStringList{"C:\\a;b\\old.dll;1", "File1;0"}));
  record_->ClearUnfinishedList();
  record_->ReadUnfinishedList(list);
  EXPECT_TRUE(list.empty());
  record_->ResetUnfinishedCount();
  EXPECT_EQ(record_->UnfinishedCount(), 0);
}

// Without a record the language is not written to the root of the
// machine's keys, and the current one is the answer.
TEST_F(TInstallRecordTest, TheLanguageNeedsARecord) {
  EXPECT_THROW(record_->WriteLanguage(3), IEInstall);
  EXPECT_EQ(record_->ReadLanguage(7), 7);
  record_->Open(Program(), "", true);
  EXPECT_EQ(record_->ReadLanguage(7), 7);
  record_->WriteLanguage(3);
  EXPECT_EQ(record_->ReadLanguage(7), 3);
}

// The record and its root go; the maker's key goes when nothing else is in
// it, and the current key is the one removed.
TEST_F(TInstallRecordTest, RemovingLeavesNoEmptyKeysBehind) {
  record_->Open(Program(), "", true);
  std::string removed = key_;
  record_->Remove();
  EXPECT_FALSE(KeyPresent(HKEY_LOCAL_MACHINE, removed));
  EXPECT_FALSE(KeyPresent(HKEY_LOCAL_MACHINE, KeyPath()));
}

struct TRunOnceCase {
  const char* loading_program;
  bool self_extract;
  bool cleanup;
  const char* command;
};

// The directory never ends in a backslash, which would escape the closing
// quote for the program's command-line parser.
TEST(TInstallRecordRunOnceTest, CommandNamesTheLoadingProgramsPlace) {
  const TRunOnceCase cases[] = {
      {"C:\\Temp\\cd 1\\setup.exe", false, false, "\"C:\\Prog\\x.exe\" -r \"-sC:\\Temp\\cd 1\""},
      {"C:\\Temp\\cd 1\\setup.exe", true, true,
       "\"C:\\Prog\\x.exe\" -r \"-esetup.exe\" \"-sC:\\Temp\\cd 1\" -c"},
      {"D:\\setup.exe", false, false, "\"C:\\Prog\\x.exe\" -r \"-sD:\""},
  };
  for (const TRunOnceCase& c : cases) {
    EXPECT_EQ(TInstallRecord::RunOnceCommand("C:\\Prog\\x.exe", c.loading_program, c.self_extract, c.cleanup),
              c.command)
        << c.loading_program;
  }
}

}  // namespace
}  // namespace vorlan

// The install record on its own, under a key of the test's own in place of
// the machine's record root: no engine, no form, and so records of other
// setups beside this one's, which the engine's tests cannot make safely.

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "base/exceptions.h"
#include "engine/install_record.h"
#include "system/registry_routines.h"
#include "win_test_support.h"

namespace vorlan {
namespace {

class TInstallRecordTest : public testing::RegistryKeyTest {
 protected:
  void SetUp() override {
    RegistryKeyTest::SetUp();
    testing::WriteWholeFile(Program(), "the setup program");
    record_.emplace(Root(), KeyPath(), key_, start_time_);
  }

  std::string Root() const { return KeyPath() + "\\Install"; }
  std::string Program() const { return temp_.Path("setup_a.exe"); }

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
  EXPECT_EQ(ReadRegString(hkLocalMachine, found, "Path", ""), moved);
}

// A new record takes the first free name, whatever the case of the names
// other setups' records have: registry names do not tell case apart, so
// reusing one would take over another setup's record.
TEST_F(TInstallRecordTest, ANewRecordTakesTheFirstFreeName) {
  for (const char* name : {"Install0", "install1", "Install3"}) {
    WriteRegString(hkLocalMachine, Root() + "\\" + name, "Path", "elsewhere");
  }
  record_->Open(Program(), "", true);
  EXPECT_EQ(key_, Root() + "\\Install2");
  // Opening without creating, for a program without a record, leaves none
  // current.
  testing::WriteWholeFile(Program(), "another program");
  record_->Open(Program(), "", false);
  EXPECT_EQ(key_, "");
}

// The count decides whether the run registers the after-reboot run: it
// grows by the entries written, not by those refused.
TEST_F(TInstallRecordTest, TheUnfinishedCountFollowsTheWrittenEntries) {
  EXPECT_THROW(record_->AddUnfinishedEntry("File1", 0), IEInstall);
  EXPECT_EQ(record_->UnfinishedCount(), 0);
  record_->Open(Program(), "", true);
  record_->AddUnfinishedEntry("File1", 0);
  record_->AddUnfinishedEntry("C:\\old.dll", 1);
  EXPECT_EQ(record_->UnfinishedCount(), 2);
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

}  // namespace
}  // namespace vorlan

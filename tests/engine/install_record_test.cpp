#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "system/registry_routines.h"
#include "system/vorlan_registry.h"

namespace vorlan {
namespace {

using engine_test::EngineFixture;

// The records this test program makes are removed again, and the record
// root with them when nothing else is left in it.
class InstallRecordTest : public EngineFixture {
 protected:
  ~InstallRecordTest() override {
    for (const std::string& key : made_) DeleteRegKeyTree(hkLocalMachine, key);
    TVorlanRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    if (registry.OpenKey(kInstallRecordRoot, false) && registry.GetKeyNames().empty()) {
      registry.CloseKey();
      registry.DeleteKey(kInstallRecordRoot);
    }
  }

  std::string Find(TInstall& engine, bool create) {
    std::string key;
    bool found = engine.FindInstallRecord(create, key);
    EXPECT_EQ(found, !key.empty());
    if (found) made_.push_back(key);
    return key;
  }

  static std::string Value(const std::string& key, const std::string& name) {
    return ReadRegString(hkLocalMachine, key, name, "<none>");
  }

  std::vector<std::string> made_;
};

TEST_F(InstallRecordTest, CreatedOnceAndFoundAgain) {
  TInstall& engine = Load("    RunAutomatic = False\n");
  EXPECT_EQ(ObjectsState().install_record_key, "");
  EXPECT_EQ(Find(engine, false), "");
  std::string key = Find(engine, true);
  ASSERT_EQ(key.rfind(std::string(kInstallRecordRoot) + "\\Install", 0), 0u) << key;
  EXPECT_EQ(Value(key, "Path"), engine.GetModulePath());
  EXPECT_EQ(Value(key, "SelfExtract"), "<none>");
  EXPECT_EQ(Find(engine, false), key);
  EXPECT_EQ(Find(engine, true), key);

  // The next start of the same program finds it while loading.
  WriteRegString(hkLocalMachine, key, "Path", "C:\\Elsewhere\\setup.exe");
  Load("    RunAutomatic = False\n");
  EXPECT_EQ(ObjectsState().install_record_key, key);
  EXPECT_EQ(Value(key, "Path"), Engine()->GetModulePath());
}

TEST_F(InstallRecordTest, RecordOfAnotherProgramIsNotTaken) {
  TInstall& engine = Load("    RunAutomatic = False\n");
  std::string key = Find(engine, true);
  ASSERT_FALSE(key.empty());
  WriteRegInteger(hkLocalMachine, key, "Size", ReadRegInteger(hkLocalMachine, key, "Size", 0) + 1);
  std::string second = Find(engine, true);
  EXPECT_NE(second, key);
  EXPECT_FALSE(second.empty());
  // A record missing one of its values is passed over.
  TVorlanRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  ASSERT_TRUE(registry.OpenKey(second, false));
  registry.DeleteValue("Size");
  registry.CloseKey();
  EXPECT_EQ(Find(engine, false), "");
}

TEST_F(InstallRecordTest, UnfinishedEntriesNeedARecord) {
  TInstall& engine = Load("    RunAutomatic = False\n");
  try {
    engine.AddUnfinishedEntry("IFreadme_txt", 0);
    FAIL() << "written without a record";
  } catch (const IEInstall& error) {
    EXPECT_STREQ(error.what(), "The TInstall could not either write or read unfinished business from the registry");
  }
  std::string key = Find(engine, true);
  ObjectsState().install_record_key = key;
  engine.AddUnfinishedEntry("IFreadme_txt", 0);
  engine.AddUnfinishedEntry("IFreadme_txt", 1);
  EXPECT_EQ(engine.UnfinishedCount(), 2);
  EXPECT_EQ(Value(key + "\\Unfinished", "IFreadme_txt"), "1");
}

}  // namespace
}  // namespace vorlan

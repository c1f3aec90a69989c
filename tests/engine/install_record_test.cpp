#include <windows.h>

#include <gtest/gtest.h>

#include "base/file.h"
#include "record_fixture.h"
#include "system/registry_routines.h"
#include "system/vorlan_registry.h"
#include "win_test_support.h"

namespace vorlan {
namespace {

class InstallRecordTest : public engine_test::RecordFixture {
 protected:
  // A raw value of the record, of any type.
  static void SetRaw(const std::string& key, const char* name, DWORD type, const void* data, DWORD size) {
    TVorlanRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(registry.OpenKey(key, false));
    ASSERT_EQ(RegSetValueExA(registry.CurrentKey(), name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
  }

  static double Date(const std::string& key) {
    double value = 0;
    DWORD size = sizeof value;
    TVorlanRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_TRUE(registry.OpenKey(key, false));
    RegQueryValueExA(registry.CurrentKey(), "CreationDate", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
    return value;
  }
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

// A program file a hair's breadth newer or older is still the same program;
// 1e-7 days or more apart it is another one.
TEST_F(InstallRecordTest, DateMustMatchWithinATenthOfAMicroday) {
  TInstall& engine = Load("    RunAutomatic = False\n");
  std::string key = Find(engine, true);
  ASSERT_FALSE(key.empty());
  const double date = Date(key);
  struct {
    double offset;
    bool same;
  } const cases[] = {{0.99e-7, true}, {-0.99e-7, true}, {1.01e-7, false}, {-1.01e-7, false}, {1.0, false}};
  for (const auto& c : cases) {
    double shifted = date + c.offset;
    SetRaw(key, "CreationDate", REG_BINARY, &shifted, sizeof shifted);
    EXPECT_EQ(Find(engine, false), c.same ? key : "") << c.offset;
  }
}

TEST_F(InstallRecordTest, ARecordOfTheWrongShapeIsPassedOver) {
  TInstall& engine = Load("    RunAutomatic = False\n");
  std::string key = Find(engine, true);
  ASSERT_FALSE(key.empty());
  const double date = Date(key);
  const int32_t size = ReadRegInteger(hkLocalMachine, key, "Size", 0);
  const std::string text = "text";
  const DWORD number = 7;
  struct {
    const char* name;
    DWORD type;
    const void* data;
    DWORD size;
  } const cases[] = {
      {"Path", REG_DWORD, &number, sizeof number},
      {"CreationDate", REG_BINARY, &date, 4},
      {"CreationDate", REG_SZ, text.c_str(), 5},
      {"Size", REG_SZ, text.c_str(), 5},
      {"Size", REG_BINARY, &size, sizeof size},
  };
  for (const auto& c : cases) {
    SetRaw(key, c.name, c.type, c.data, c.size);
    EXPECT_EQ(Find(engine, false), "") << c.name << " of type " << c.type;
    // Put right again, the record is found.
    WriteRegString(hkLocalMachine, key, "Path", engine.GetModulePath());
    SetRaw(key, "CreationDate", REG_BINARY, &date, sizeof date);
    WriteRegInteger(hkLocalMachine, key, "Size", size);
    EXPECT_EQ(Find(engine, false), key) << c.name;
  }
}

TEST_F(InstallRecordTest, SelfExtractingRunRecordsWhereFrom) {
  TInstall& engine = Load("    RunAutomatic = False\n", {"-eSETUPX.EXE", "-sC:\\Load Dir"});
  std::string key = Find(engine, true);
  EXPECT_EQ(Value(key, "SelfExtract"), "C:\\Load Dir\\SETUPX.EXE");
}

// The local copies of downloaded archives go with the record.
TEST_F(InstallRecordTest, RemovingTheRecordDeletesItsLocalArchives) {
  testing::TTempDir temp;
  TInstall& engine = Load("    RunAutomatic = False\n");
  std::string other = Find(engine, true);
  WriteRegInteger(hkLocalMachine, other, "Size", -1);  // now another program's
  std::string key = UseRecord(engine);
  ASSERT_NE(key, other);
  std::string local = temp.Path("files.1");
  testing::WriteWholeFile(local, "archive");
  testing::WriteWholeFile(temp.Path("kept.1"), "archive");
  WriteRegString(hkLocalMachine, key + "\\IFreadme", "LocalFile", local);
  WriteRegString(hkLocalMachine, key + "\\IFblank", "LocalFile", "   ");
  engine.AddUnfinishedEntry("IFreadme", 0);
  engine.RemoveInstallRecord();
  EXPECT_FALSE(KeyPresent(key));
  EXPECT_FALSE(FileExists(local));
  EXPECT_TRUE(FileExists(temp.Path("kept.1")));
  EXPECT_EQ(ObjectsState().install_record_key, key);
  // Another program's record keeps the root.
  EXPECT_TRUE(KeyPresent(other));

  // The last record takes the root with it, and the key above it that it
  // was created in; without a record nothing happens.
  ObjectsState().install_record_key = other;
  engine.RemoveInstallRecord();
  EXPECT_FALSE(KeyPresent(kInstallRecordRoot));
  EXPECT_FALSE(KeyPresent(ExtractFileDir(kInstallRecordRoot)));
  ObjectsState().install_record_key.clear();
  engine.RemoveInstallRecord();
}

// The maker's key goes when it is left empty, and stays while it holds
// anything, such as the development environment's settings.
TEST_F(InstallRecordTest, MakersKeyGoesOnlyWhenEmpty) {
  const std::string maker = "\\Software\\Vorlan";
  const std::string mine = maker + "\\VorlanTestKeep";
  const bool had_maker = KeyPresent(maker);
  TInstall& engine = Load("    RunAutomatic = False\n");
  UseRecord(engine);
  WriteRegString(hkLocalMachine, mine, "Kept", "yes");
  engine.RemoveInstallRecord();
  EXPECT_EQ(Value(mine, "Kept"), "yes");
  DeleteRegKeyTree(hkLocalMachine, mine);
  if (had_maker) return;  // it holds another test's settings

  TVorlanRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  ASSERT_TRUE(registry.OpenKey(maker, true));
  registry.CloseKey();
  UseRecord(engine);
  engine.RemoveInstallRecord();
  EXPECT_FALSE(KeyPresent(maker));
}

}  // namespace
}  // namespace vorlan

#include "system/registry_routines.h"

#include <windows.h>
#include <sddl.h>
#include <winternl.h>

#include <gtest/gtest.h>

#include "system/system_exceptions.h"
#include "system/vorlan_registry.h"
#include "win_test_support.h"

namespace vorlan {
namespace {

// The rights the system granted a key handle.
ACCESS_MASK GrantedAccess(HKEY key) {
  PUBLIC_OBJECT_BASIC_INFORMATION info{};
  if (NtQueryObject(key, ObjectBasicInformation, &info, sizeof info, nullptr) != 0) return 0;
  return info.GrantedAccess;
}

// Windows 9x keeps no rights on keys: every handle is granted in full.
bool KeysHaveRights() { return GetVersion() < 0x80000000; }

class TVorlanRegistryTest : public testing::RegistryKeyTest {
 protected:
  std::string Sub(const std::string& name) const { return KeyPath() + "\\" + name; }
  // The current path names keys from the root without the leading "\".
  std::string PathOf(const std::string& name) const { return Sub(name).substr(1); }
};

TEST_F(TVorlanRegistryTest, NarrowestRightsForEachOperation) {
  if (!KeysHaveRights()) GTEST_SKIP() << "keys have no rights on this Windows";
  TVorlanRegistry registry;
  ASSERT_TRUE(registry.OpenKey(Sub("A"), true));  // created
  EXPECT_EQ(GrantedAccess(registry.CurrentKey()), 0xF003Fu);
  ASSERT_TRUE(registry.OpenKey(Sub("A"), true));  // exists already
  EXPECT_EQ(GrantedAccess(registry.CurrentKey()), 0x2001Fu);
  ASSERT_TRUE(registry.OpenKey(Sub("A"), false));
  EXPECT_EQ(GrantedAccess(registry.CurrentKey()), 0x2001Fu);
  ASSERT_TRUE(registry.OpenKeyReadOnly(Sub("A")));
  EXPECT_EQ(GrantedAccess(registry.CurrentKey()), 0x20019u);
  // Opening without creation leaves a missing key missing.
  EXPECT_FALSE(registry.OpenKey(Sub("B"), false));
  EXPECT_FALSE(KeyPresent(HKEY_CURRENT_USER, "B"));
  EXPECT_EQ(registry.CurrentPath(), PathOf("A"));
}

TEST_F(TVorlanRegistryTest, RelativeAndAbsoluteKeysAndTheCurrentPath) {
  TVorlanRegistry registry;
  // Relative with no key open: from the root, no prefix.
  ASSERT_TRUE(registry.OpenKey(PathOf("A"), true));
  EXPECT_EQ(registry.CurrentPath(), PathOf("A"));
  // Relative to the open key.
  ASSERT_TRUE(registry.OpenKey("B\\C", true));
  EXPECT_EQ(registry.CurrentPath(), PathOf("A") + "\\B\\C");
  EXPECT_TRUE(KeyPresent(HKEY_CURRENT_USER, "A\\B\\C"));
  // Absolute again.
  ASSERT_TRUE(registry.OpenKey(Sub("D"), true));
  EXPECT_EQ(registry.CurrentPath(), PathOf("D"));
  EXPECT_TRUE(registry.KeyExists(Sub("A\\B")));
  EXPECT_FALSE(registry.KeyExists("A"));  // relative to D
  registry.CloseKey();
  EXPECT_EQ(registry.CurrentPath(), "");
  EXPECT_TRUE(registry.KeyExists(PathOf("A")));
}

TEST_F(TVorlanRegistryTest, ValuesOfTheCurrentKey) {
  TVorlanRegistry registry;
  ASSERT_TRUE(registry.OpenKey(Sub("V"), true));
  registry.WriteString("Text", "hello");
  registry.WriteInteger("Number", -5);
  DWORD binary = 7;
  ASSERT_EQ(RegSetValueExA(registry.CurrentKey(), "Binary", 0, REG_BINARY, reinterpret_cast<BYTE*>(&binary), 4),
            ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExA(registry.CurrentKey(), "Unended", 0, REG_SZ, reinterpret_cast<const BYTE*>("abc"), 3),
            ERROR_SUCCESS);
  EXPECT_EQ(registry.ReadString("Text"), "hello");
  EXPECT_EQ(registry.ReadString("Unended"), "abc");
  EXPECT_EQ(registry.ReadInteger("Number"), -5);
  EXPECT_FALSE(registry.ReadInteger("Text"));
  EXPECT_FALSE(registry.ReadString("Number"));
  EXPECT_FALSE(registry.ReadString("Binary"));
  EXPECT_FALSE(registry.ReadInteger("Binary"));
  EXPECT_FALSE(registry.ReadString("Missing"));
  EXPECT_TRUE(registry.ValueExists("Binary"));
  EXPECT_FALSE(registry.ValueExists("Missing"));
  TStringList names = registry.GetValueNames();
  EXPECT_EQ(names.size(), 4u);
  EXPECT_TRUE(registry.DeleteValue("Binary"));
  EXPECT_FALSE(registry.ValueExists("Binary"));
  registry.CloseKey();
  EXPECT_THROW(registry.WriteString("Text", "no key open"), ERegistryException);
  EXPECT_FALSE(registry.ReadString("Text"));
}

TEST_F(TVorlanRegistryTest, DeleteKeyTakesTheWholeTreeAndKeepsTheCurrentKey) {
  TVorlanRegistry registry;
  for (const char* key : {"T\\A\\B\\C", "T\\A\\D", "T\\E", "T\\F\\G"}) ASSERT_TRUE(registry.OpenKey(Sub(key), true));
  registry.WriteString("Leaf", "x");
  ASSERT_TRUE(registry.OpenKey(Sub("T"), false));
  EXPECT_TRUE(registry.DeleteKey("A"));
  EXPECT_FALSE(KeyPresent(HKEY_CURRENT_USER, "T\\A"));
  EXPECT_TRUE(KeyPresent(HKEY_CURRENT_USER, "T\\E"));
  // Still at T.
  EXPECT_EQ(registry.CurrentPath(), PathOf("T"));
  registry.WriteString("StillHere", "yes");
  EXPECT_EQ(registry.GetKeyNames().size(), 2u);
  EXPECT_TRUE(registry.DeleteKey(Sub("T")));
  EXPECT_FALSE(KeyPresent(HKEY_CURRENT_USER, "T"));
  EXPECT_FALSE(registry.DeleteKey(Sub("T")));
}

TEST_F(TVorlanRegistryTest, AnEmptyKeyIsNeverDeleted) {
  TVorlanRegistry registry;
  ASSERT_TRUE(registry.OpenKey(Sub("Keep\\Child"), true));
  ASSERT_TRUE(registry.OpenKey(Sub("Keep"), false));
  EXPECT_FALSE(registry.DeleteKey(""));
  EXPECT_FALSE(registry.DeleteKey("\\"));
  EXPECT_TRUE(KeyPresent(HKEY_CURRENT_USER, "Keep\\Child"));
  DeleteRegKeyTree(hkCurrentUser, "");
  DeleteRegKeyTree(hkCurrentUser, "\\");
  EXPECT_TRUE(KeyPresent(HKEY_CURRENT_USER, "Keep\\Child"));
  EXPECT_TRUE(KeyPresent(HKEY_CURRENT_USER, "\\Software"));
}

class RegistryRoutinesTest : public TVorlanRegistryTest {};

TEST_F(RegistryRoutinesTest, RootKeyPositions) {
  const HKEY roots[] = {HKEY_CLASSES_ROOT, HKEY_CURRENT_CONFIG, HKEY_CURRENT_USER,
                        HKEY_DYN_DATA,     HKEY_LOCAL_MACHINE,  HKEY_USERS};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(RootKeyHandle(static_cast<TRootKeys>(i)), roots[i]);
    EXPECT_EQ(RootKeyIndex(roots[i], -1), i);
    TVorlanRegistry registry;
    SetRootKeyIndex(registry, i);
    EXPECT_EQ(registry.RootKey(), roots[i]);
  }
  EXPECT_EQ(RootKeyIndex(reinterpret_cast<HKEY>(0x12345), 4), 4);
  TVorlanRegistry registry;
  registry.SetRootKey(HKEY_USERS);
  for (int outside : {-1, 6, 100}) {
    SetRootKeyIndex(registry, outside);
    EXPECT_EQ(registry.RootKey(), HKEY_USERS) << outside;
  }
}

TEST_F(RegistryRoutinesTest, WriteAndReadBack) {
  for (int root : {int(hkCurrentUser), int(hkLocalMachine)}) {
    WriteRegString(root, Sub("W\\Deep"), "Name", "Zarvik");
    WriteRegInteger(root, Sub("W\\Deep"), "Count", 42);
    WriteRegString(root, Sub("W\\Deep"), "", "default value");
    EXPECT_EQ(ReadRegString(root, Sub("W\\Deep"), "Name", "-"), "Zarvik");
    EXPECT_EQ(ReadRegInteger(root, Sub("W\\Deep"), "Count", -1), 42);
    EXPECT_EQ(ReadRegString(root, Sub("W\\Deep"), "", "-"), "default value");
    // A relative key is taken from the root as well: no key is open.
    EXPECT_EQ(ReadRegString(root, PathOf("W\\Deep"), "Name", "-"), "Zarvik");
  }
  // Each root holds its own.
  WriteRegString(hkCurrentUser, Sub("W\\Deep"), "Name", "user");
  EXPECT_EQ(ReadRegString(hkLocalMachine, Sub("W\\Deep"), "Name", "-"), "Zarvik");
}

TEST_F(RegistryRoutinesTest, ReadsAnswerTheirDefault) {
  WriteRegString(hkCurrentUser, Sub("R"), "Text", "12");
  WriteRegInteger(hkCurrentUser, Sub("R"), "Number", 12);
  EXPECT_EQ(ReadRegString(hkCurrentUser, Sub("Missing"), "Text", "dflt"), "dflt");
  EXPECT_EQ(ReadRegString(hkCurrentUser, Sub("R"), "Missing", "dflt"), "dflt");
  EXPECT_EQ(ReadRegString(hkCurrentUser, Sub("R"), "Number", "dflt"), "dflt");
  EXPECT_EQ(ReadRegInteger(hkCurrentUser, Sub("R"), "Text", 7), 7);
  EXPECT_EQ(ReadRegInteger(hkCurrentUser, Sub("Missing"), "Number", 7), 7);
  EXPECT_EQ(ReadRegString(hkLocalMachine, Sub("R"), "Text", "dflt"), "dflt");
  EXPECT_FALSE(KeyPresent(HKEY_CURRENT_USER, "Missing"));
}

// A key the user may read but not change, as the machine's keys are for
// most users: reading must not ask for more than read rights.
TEST_F(RegistryRoutinesTest, ReadsNeedReadRightsOnly) {
  if (!KeysHaveRights()) GTEST_SKIP() << "keys have no rights on this Windows";
  const std::string key = Sub("ReadOnly");
  WriteRegString(hkLocalMachine, key, "Text", "readable");
  PSECURITY_DESCRIPTOR read_only = nullptr, open = nullptr;
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P(A;;KR;;;WD)", SDDL_REVISION_1,
                                                                   &read_only, nullptr));
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P(A;;KA;;;WD)", SDDL_REVISION_1, &open,
                                                                   nullptr));
  auto set_security = [&](PSECURITY_DESCRIPTOR descriptor) {
    TUniqueKey handle;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.substr(1).c_str(), 0, WRITE_DAC, handle.Receive()),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetKeySecurity(handle.Get(), DACL_SECURITY_INFORMATION, descriptor), ERROR_SUCCESS);
  };
  set_security(read_only);
  TVorlanRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  bool enforced = !registry.OpenKey(key, false);
  std::string text = ReadRegString(hkLocalMachine, key, "Text", "dflt");
  set_security(open);
  LocalFree(read_only);
  LocalFree(open);
  EXPECT_EQ(text, "readable");
  if (!enforced) GTEST_SKIP() << "this system grants keys more than their security allows";
}

TEST_F(RegistryRoutinesTest, WriteFailuresRaiseTheirTexts) {
  const std::string too_long(300, 'k');
  try {
    WriteRegString(hkCurrentUser, Sub(too_long), "Name", "Text");
    FAIL() << "no exception";
  } catch (const EIRCannotWriteValue& e) {
    EXPECT_EQ(e.Message(), "Cannot install into registry. Key: " + Sub(too_long) + " Ident: Name Value Text");
  }
  try {
    WriteRegInteger(hkCurrentUser, Sub(too_long), "Name", 1);
    FAIL() << "no exception";
  } catch (const EIRCannotWriteValue& e) {
    EXPECT_EQ(e.Message(), Sub(too_long));
  }
  const std::string long_value_name(20000, 'v');
  EXPECT_THROW(WriteRegString(hkCurrentUser, Sub("X"), long_value_name, "Text"), EIRCannotWriteValue);
}

TEST_F(RegistryRoutinesTest, DeleteRegKeyTree) {
  for (const char* key : {"Tree\\A\\B\\C\\D", "Tree\\A\\E", "Tree\\F", "Other"}) {
    WriteRegString(hkCurrentUser, Sub(key), "V", "x");
  }
  DeleteRegKeyTree(hkCurrentUser, Sub("Tree"));
  EXPECT_FALSE(KeyPresent(HKEY_CURRENT_USER, "Tree"));
  EXPECT_TRUE(KeyPresent(HKEY_CURRENT_USER, "Other"));
  DeleteRegKeyTree(hkCurrentUser, Sub("Tree"));  // missing: nothing happens
  DeleteRegKeyTree(42, Sub("Other"));            // outside 0 ... 5: the accessor's default root
  EXPECT_FALSE(KeyPresent(HKEY_CURRENT_USER, "Other"));
}

}  // namespace
}  // namespace vorlan

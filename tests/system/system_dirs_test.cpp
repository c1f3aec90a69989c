#include "system/system_dirs.h"

#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "base/file.h"
#include "base/strings.h"
#include "system/file_attributes.h"
#include "system/hard_link.h"
#include "system/system_exceptions.h"
#include "system/unique_handle.h"
#include "win_test_support.h"

namespace vorlan {
namespace {

using testing::BuiltFile;

TEST(SystemDirsTest, WindowsAndSystemDirectories) {
  std::string windows = GetWindowsDir(), system = GetSystemDir();
  EXPECT_TRUE(DirectoryExists(windows)) << windows;
  EXPECT_TRUE(DirectoryExists(system)) << system;
  EXPECT_NE(windows.back(), '\\');
  EXPECT_TRUE(StartsWithText(system, AddBackslash(windows))) << system;
  EXPECT_TRUE(FileExists(AddBackslash(system) + "kernel32.dll"));
}

TEST(SystemDirsTest, TempFileNames) {
  std::string kept = CreateTempFileName(true), dropped = CreateTempFileName(false);
  EXPECT_NE(kept, dropped);
  for (const auto& name : {kept, dropped}) {
    EXPECT_TRUE(StartsWithText(ExtractFileName(name), "bat")) << name;
    EXPECT_TRUE(SameText(ExtractFileExt(name), ".tmp")) << name;
  }
  EXPECT_EQ(FileSizeOf(kept), 0);
  EXPECT_FALSE(FileExists(dropped));
  DeleteFileAt(kept);
}

// With the temporary directory gone the system cannot make a name.
TEST(SystemDirsTest, NoTemporaryDirectoryRaises) {
  char tmp[MAX_PATH] = "", temp[MAX_PATH] = "";
  GetEnvironmentVariableA("TMP", tmp, MAX_PATH);
  GetEnvironmentVariableA("TEMP", temp, MAX_PATH);
  SetEnvironmentVariableA("TMP", "C:\\no such directory here");
  SetEnvironmentVariableA("TEMP", "C:\\no such directory here");
  try {
    CreateTempFileName(true);
    ADD_FAILURE() << "no exception";
  } catch (const EAPIRoutines& e) {
    EXPECT_EQ(e.Message(), "Cannot create a temporary file");
  }
  SetEnvironmentVariableA("TMP", tmp);
  SetEnvironmentVariableA("TEMP", temp);
}

class ShortPathTest : public testing::TempDirTest {};

TEST_F(ShortPathTest, ShortFormOfExistingPaths) {
  std::string long_name = Path("A long file name.text");
  testing::WriteWholeFile(long_name, "x");
  std::string short_path = GetShortPath(long_name);
  ASSERT_FALSE(short_path.empty());
  EXPECT_LE(ExtractFileName(short_path).size(), 12u) << short_path;
  EXPECT_EQ(ExtractFileName(short_path).find(' '), std::string::npos) << short_path;
  EXPECT_TRUE(FileExists(short_path)) << short_path;
  EXPECT_EQ(GetShortPath(Path("not there.text")), "");
}

TEST(LoadLibraryStringTest, StringsOfALibrary) {
  EXPECT_EQ(LoadLibraryString(BuiltFile("ver_full.dll"), 703), "Create Folder");
  EXPECT_EQ(LoadLibraryString(BuiltFile("ver_full.dll"), 704), "");
  EXPECT_EQ(LoadLibraryString(BuiltFile("no such library.dll"), 703), "");
  EXPECT_EQ(LoadLibraryString(BuiltFile("nover.dll"), 9248), "");
}

class FileAttributesTest : public testing::TempDirTest {};

TEST(FileAttributeMappingTest, BothWays) {
  struct TCase {
    TVorlanFileAttributes element;
    uint32_t bit;
    bool reported;
  };
  const TCase cases[] = {
      {vfaArchive, 0x20, true},   {vfaCompressed, 0, false},  {vfaDirectory, 0x10, false},
      {vfaHidden, 0x2, true},     {vfaNormal, 0x80, true},    {vfaOffline, 0x1000, false},
      {vfaReadOnly, 0x1, true},   {vfaSystem, 0x4, true},     {vfaTemporary, 0x100, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AttributeBitsOf(VfaBit(c.element)), c.bit) << int(c.element);
    if (c.bit) {
      EXPECT_EQ(AttributeSetOf(c.bit), c.reported ? VfaBit(c.element) : 0) << int(c.element);
    }
  }
  EXPECT_EQ(AttributeBitsOf(0), 0u);
  EXPECT_EQ(AttributeSetOf(0x800 | 0x2000 | 0x4000), 0);  // compressed and other bits are never reported
  EXPECT_EQ(AttributeBitsOf(VfaBit(vfaHidden) | VfaBit(vfaSystem) | VfaBit(vfaCompressed)), 0x6u);
}

TEST_F(FileAttributesTest, SetAndGetOnAFile) {
  const std::string file = Path("file.txt");
  testing::WriteWholeFile(file, "x");
  // Wine keeps these on a Unix file system; it reports every file as to be
  // archived, so archive is left out of the comparison.
  const TVorlanFileAttributesSet sets[] = {
      VfaBit(vfaHidden), VfaBit(vfaSystem), VfaBit(vfaHidden) | VfaBit(vfaSystem),
      VfaBit(vfaReadOnly) | VfaBit(vfaHidden), VfaBit(vfaArchive)};
  for (TVorlanFileAttributesSet set : sets) {
    SetFileAttributeSet(file, set);
    TVorlanFileAttributesSet got = VfaBit(vfaOffline);
    GetFileAttributeSet(file, got);
    EXPECT_EQ(got & ~VfaBit(vfaArchive), set & ~VfaBit(vfaArchive)) << set;
    EXPECT_EQ(AttributeSetOf(GetFileAttributesA(file.c_str())), got);
  }
  // The empty set clears them again.
  SetFileAttributeSet(file, 0);
  EXPECT_EQ(GetFileAttributesA(file.c_str()) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN), 0u);
}

TEST_F(FileAttributesTest, UnreadableFilesLeaveTheSetAlone) {
  const std::string file = Path("locked.txt");
  testing::WriteWholeFile(file, "x");
  TUniqueFileHandle lock(CreateFileA(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(lock);
  for (const auto& name : {file, Path("missing.txt")}) {
    TVorlanFileAttributesSet set = VfaBit(vfaOffline) | VfaBit(vfaDirectory);
    GetFileAttributeSet(name, set);
    EXPECT_EQ(set, VfaBit(vfaOffline) | VfaBit(vfaDirectory)) << name;
  }
}

TEST_F(FileAttributesTest, SettingAMissingFileRaisesWithTheSystemsReason) {
  try {
    SetFileAttributeSet(Path("missing.txt"), VfaBit(vfaHidden));
    FAIL() << "no exception";
  } catch (const IEfcSetAttributes& e) {
    EXPECT_TRUE(e.Message().starts_with("Cannot set file attributes. Error : ")) << e.Message();
    EXPECT_GT(e.Message().size(), std::string("Cannot set file attributes. Error : ").size());
  }
}

class HardLinkTest : public testing::TempDirTest {};

TEST_F(HardLinkTest, LinkSharesTheContent) {
  testing::WriteWholeFile(Path("a.txt"), "first");
  ASSERT_TRUE(CreateHardLinkFile(Path("b.txt"), Path("a.txt")));
  testing::WriteWholeFile(Path("a.txt"), "second");
  EXPECT_EQ(testing::ReadWholeFile(Path("b.txt")), "second");
  // The link exists already; the original is missing.
  EXPECT_FALSE(CreateHardLinkFile(Path("b.txt"), Path("a.txt")));
  EXPECT_FALSE(CreateHardLinkFile(Path("c.txt"), Path("missing.txt")));
  EXPECT_FALSE(FileExists(Path("c.txt")));
}

}  // namespace
}  // namespace vorlan

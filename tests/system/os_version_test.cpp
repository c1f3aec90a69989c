// Run once plainly and once for each Windows that Wine poses as.
#include "system/os_version.h"

#include <gtest/gtest.h>

#include <string>

#include "system/registry_routines.h"
#include "win_test_support.h"

namespace vorlan {
namespace {

struct TCase {
  uint32_t platform, major, minor;
  TOSVerType expected;
};

TEST(OSVersionTypeTest, Table) {
  const TCase cases[] = {
      {VER_PLATFORM_WIN32s, 3, 10, os31win32},
      {VER_PLATFORM_WIN32_WINDOWS, 4, 0, oswin98},  // Windows 95 is told as 98
      {VER_PLATFORM_WIN32_WINDOWS, 4, 10, oswin98},
      {VER_PLATFORM_WIN32_WINDOWS, 4, 90, oswinME},
      {VER_PLATFORM_WIN32_NT, 3, 51, oswinNT351},
      {VER_PLATFORM_WIN32_NT, 4, 0, oswinNT},
      {VER_PLATFORM_WIN32_NT, 5, 0, oswin2K},
      {VER_PLATFORM_WIN32_NT, 5, 1, oswinXP},
      {VER_PLATFORM_WIN32_NT, 5, 2, oswinXP},
      // Every later NT is the newest kind known, never "unidentified".
      {VER_PLATFORM_WIN32_NT, 6, 0, oswinXP},
      {VER_PLATFORM_WIN32_NT, 6, 1, oswinXP},
      {VER_PLATFORM_WIN32_NT, 10, 0, oswinXP},
      {7, 1, 0, osUnidentified},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(OSVersionTypeOf(c.platform, c.major, c.minor), c.expected)
        << c.platform << " " << c.major << "." << c.minor;
  }
}

// The runner poses a copy of this program named <name>.<windows>.exe; the
// Windows it named, empty for the program itself.
std::string PosedName() {
  char path[MAX_PATH];
  std::string name(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  name = name.substr(name.find_last_of('\\') + 1);
  std::string stem = name.substr(0, name.size() - 4);
  size_t dot = stem.find_last_of('.');
  return dot == std::string::npos ? "" : stem.substr(dot + 1);
}

// What Wine was told to pose as for this program.
std::string PosedVersion() {
  char path[MAX_PATH];
  std::string name(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  name = name.substr(name.find_last_of('\\') + 1);
  return ReadRegString(hkCurrentUser, "\\Software\\Wine\\AppDefaults\\" + name, "Version", "");
}

struct TPosed {
  const char* name;
  uint32_t platform, major, minor;
  TOSVerType expected;
};

// The version Wine poses as really reaches the program, and answers its kind.
TEST(OSVersionTypeTest, RunningWindows) {
  const TPosed posed[] = {
      {"win31", VER_PLATFORM_WIN32s, 3, 10, os31win32},   {"win95", VER_PLATFORM_WIN32_WINDOWS, 4, 0, oswin98},
      {"win98", VER_PLATFORM_WIN32_WINDOWS, 4, 10, oswin98}, {"winme", VER_PLATFORM_WIN32_WINDOWS, 4, 90, oswinME},
      {"nt351", VER_PLATFORM_WIN32_NT, 3, 51, oswinNT351}, {"nt40", VER_PLATFORM_WIN32_NT, 4, 0, oswinNT},
      {"win2k", VER_PLATFORM_WIN32_NT, 5, 0, oswin2K},     {"winxp", VER_PLATFORM_WIN32_NT, 5, 1, oswinXP},
      {"win7", VER_PLATFORM_WIN32_NT, 6, 1, oswinXP},      {"win10", VER_PLATFORM_WIN32_NT, 10, 0, oswinXP},
  };
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  ASSERT_TRUE(GetVersionExA(&info));
  std::string version = PosedName();
  EXPECT_EQ(PosedVersion(), version);
  RecordProperty("posed", version);
  if (version.empty()) {
    EXPECT_EQ(GetOSVersionType(), OSVersionTypeOf(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion));
    return;
  }
  for (const auto& p : posed) {
    if (version != p.name) continue;
    EXPECT_EQ(info.dwPlatformId, p.platform);
    EXPECT_EQ(info.dwMajorVersion, p.major);
    EXPECT_EQ(info.dwMinorVersion, p.minor);
    EXPECT_EQ(GetOSVersionType(), p.expected);
    return;
  }
  FAIL() << "no expectation for " << version;
}

// RunOnce goes to the user's key on the NT family, to the machine's on 9x.
class RunOnceTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
      for (const char* suffix : {"", "1", "2"}) {
        vorlan::TUniqueKey key;
        if (RegOpenKeyExA(root, kRunOnce, 0, KEY_SET_VALUE, key.Receive()) == ERROR_SUCCESS) {
          RegDeleteValueA(key.Get(), (name_ + suffix).c_str());
        }
      }
    }
  }
  static constexpr const char* kRunOnce = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
  std::string name_ = "VorlanTest" + std::to_string(GetCurrentProcessId());
};

TEST_F(RunOnceTest, RootByWindowsKindAndUniqueNames) {
  TOSVerType os = GetOSVersionType();
  bool nt = os == oswinNT || os == oswin2K || os == oswinXP;
  int root = nt ? hkCurrentUser : hkLocalMachine, other = nt ? hkLocalMachine : hkCurrentUser;
  const std::string key = std::string("\\") + kRunOnce;

  ASSERT_TRUE(AddRunOnceEntry(name_, "first.exe", true));
  ASSERT_TRUE(AddRunOnceEntry(name_, "second.exe", true));
  ASSERT_TRUE(AddRunOnceEntry(name_, "third.exe -r", true));
  EXPECT_EQ(ReadRegString(root, key, name_, "-"), "first.exe");
  EXPECT_EQ(ReadRegString(root, key, name_ + "1", "-"), "second.exe");
  EXPECT_EQ(ReadRegString(root, key, name_ + "2", "-"), "third.exe -r");
  EXPECT_EQ(ReadRegString(other, key, name_, "-"), "-");

  // Without unique the value is replaced.
  ASSERT_TRUE(AddRunOnceEntry(name_, "again.exe", false));
  EXPECT_EQ(ReadRegString(root, key, name_, "-"), "again.exe");
}

}  // namespace
}  // namespace vorlan

// The RunOnce entry that resumes the installation after the reboot, in
// the key of the running Windows' family (run again posing as Windows 98
// and NT 3.51).

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "base/strings.h"
#include "engine_fixture.h"
#include "system/os_version.h"
#include "system/unique_handle.h"
#include "system/vorlan_registry.h"

namespace vorlan {
namespace {

constexpr const char* kRunOnceKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

std::string RunningProgram() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  return path;
}

// Removes the entries a test added; the key's own are left alone.
class RunOnceTest : public engine_test::EngineFixture {
 protected:
  RunOnceTest() {
    TOSVerType os = GetOSVersionType();
    root_ = os == oswinNT || os == oswin2K || os == oswinXP ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
    registry_.SetRootKey(root_);
    EXPECT_TRUE(registry_.OpenKey(kRunOnceKey, true));
    before_ = registry_.GetValueNames();
  }
  ~RunOnceTest() override {
    for (const std::string& name : registry_.GetValueNames()) {
      if (std::find(before_.begin(), before_.end(), name) == before_.end()) registry_.DeleteValue(name);
    }
  }

  // The entries added since the test began, name and command.
  std::vector<std::pair<std::string, std::string>> Added() {
    std::vector<std::pair<std::string, std::string>> added;
    for (const std::string& name : registry_.GetValueNames()) {
      if (std::find(before_.begin(), before_.end(), name) == before_.end()) {
        added.emplace_back(name, registry_.ReadString(name).value_or("<no string>"));
      }
    }
    return added;
  }

  HKEY root_ = nullptr;
  TVorlanRegistry registry_;
  TStringList before_;
};

TEST_F(RunOnceTest, CommandResumesWithTheLoadingProgramsPlace) {
  const std::string program = "\"" + RunningProgram() + "\"";
  const std::string own_dir = ExtractFileDir(RunningProgram());
  struct {
    std::vector<std::string> parameters;
    bool use_loading_program;
    std::string command;
  } const cases[] = {
      {{"-sC:\\Load Dir", "-c"}, true, program + " -r \"-sC:\\Load Dir\" -c"},
      // The trailing backslash would escape the closing quote.
      {{"-eSETUPX.EXE", "-sC:\\Load Dir\\", "-c"}, true, program + " -r \"-eSETUPX.EXE\" \"-sC:\\Load Dir\" -c"},
      {{"-sC:\\", "-n"}, true, program + " -r \"-sC:\""},
      {{}, false, program + " -r \"-s" + own_dir + "\""},
  };
  for (const auto& c : cases) {
    TInstall& engine = Load(c.use_loading_program ? "    RunAutomatic = False\n"
                                                  : "    RunAutomatic = False\n    UseLoadingProgram = False\n",
                            c.parameters);
    engine.RegisterRunOnce();
    auto added = Added();
    ASSERT_EQ(added.size(), 1u) << ::testing::PrintToString(c.parameters);
    EXPECT_EQ(added[0].first, "VorlanUnfinished");
    EXPECT_EQ(added[0].second, c.command) << ::testing::PrintToString(c.parameters);
    registry_.DeleteValue(added[0].first);
  }
}

TEST_F(RunOnceTest, ATakenNameGetsANumber) {
  TInstall& engine = Load("    RunAutomatic = False\n", {"-sC:\\Setup"});
  engine.RegisterRunOnce();
  engine.RegisterRunOnce();
  auto added = Added();
  ASSERT_EQ(added.size(), 2u);
  EXPECT_TRUE(registry_.ValueExists("VorlanUnfinished"));
  EXPECT_TRUE(registry_.ValueExists("VorlanUnfinished1"));
}

// The key refuses every access while its access list is empty; its own
// list is put back afterwards.
TEST_F(RunOnceTest, AKeyThatCannotBeWrittenFailsTheRegistration) {
  TInstall& engine = Load("    RunAutomatic = False\n", {"-sC:\\Setup"});
  TUniqueKey key;
  ASSERT_EQ(RegOpenKeyExA(root_, kRunOnceKey + 1, 0, READ_CONTROL | WRITE_DAC, key.Receive()), ERROR_SUCCESS);
  DWORD size = 0;
  RegGetKeySecurity(key.Get(), DACL_SECURITY_INFORMATION, nullptr, &size);
  std::vector<BYTE> saved(size);
  ASSERT_EQ(RegGetKeySecurity(key.Get(), DACL_SECURITY_INFORMATION, saved.data(), &size), ERROR_SUCCESS);
  SECURITY_DESCRIPTOR locked;
  ACL empty;
  InitializeSecurityDescriptor(&locked, SECURITY_DESCRIPTOR_REVISION);
  InitializeAcl(&empty, sizeof empty, ACL_REVISION);
  SetSecurityDescriptorDacl(&locked, TRUE, &empty, FALSE);
  ASSERT_EQ(RegSetKeySecurity(key.Get(), DACL_SECURITY_INFORMATION, &locked), ERROR_SUCCESS);
  std::string message;
  try {
    engine.RegisterRunOnce();
  } catch (const IEInstall& error) {
    message = error.what();
  }
  EXPECT_EQ(RegSetKeySecurity(key.Get(), DACL_SECURITY_INFORMATION, saved.data()), ERROR_SUCCESS);
  EXPECT_EQ(message, "Cannot register the install to be run on reboot in the RunOnce key in the registry");
  EXPECT_TRUE(Added().empty());
}

}  // namespace
}  // namespace vorlan

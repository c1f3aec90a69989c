// The build (-b) and floppy (-f) modes chosen in Loaded: each shows its
// failure and ends the application, whatever else the command line asks.

#include <gtest/gtest.h>

#include <cstdlib>

#include "engine_fixture.h"

namespace vorlan {
namespace {

class BuildModeTest : public engine_test::EngineFixture {
 protected:
  // Loads the engine unattended and answers what it showed.
  std::string Shown(const std::vector<std::string>& parameters) {
    _putenv("VORLAN_UNATTENDED=1");
    ::testing::internal::CaptureStderr();
    Load("    RunAutomatic = False\n", parameters);
    _putenv("VORLAN_UNATTENDED=");
    return ::testing::internal::GetCapturedStderr();
  }
};

TEST_F(BuildModeTest, ModesShowTheirFailureAndEnd) {
  struct {
    std::vector<std::string> parameters;
    std::string shown;
  } const cases[] = {
      // Nothing beside the test program names a build directory.
      {{"-b", "-r"}, "Need to have a BUILD.INF file in this directory with the first line specifying the build "
                     "directory\n"},
      {{"-r", "-f"}, "Sorry... You can only transfer this installation to floppies through the self-extracting "
                     "file. Usage example: setup.exe *TODISK\n"},
      {{"-f", "*TODISK", "-sC:\\Setup"}, "Sorry... You can only transfer this installation to floppies through the "
                                         "self-extracting file. Usage example: setup.exe *TODISK\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Shown(c.parameters), c.shown) << ::testing::PrintToString(c.parameters);
    EXPECT_TRUE(application->Terminated());
    EXPECT_EQ(application->ExitCode(), 1);
    // The form was not hooked: no run follows.
    EXPECT_FALSE(static_cast<bool>(form->OnActivate()));
  }
}

}  // namespace
}  // namespace vorlan

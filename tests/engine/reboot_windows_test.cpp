// A Windows that cannot be restarted: on NT 3.51 the reboot always fails.
// Elsewhere a restart would end this test with the rest of Wine; the
// end-to-end reboot test restarts for real.

#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "box_answerer.h"
#include "system/os_version.h"

namespace vorlan {
namespace {

class RebootWindowsTest : public engine_test::EngineFixture {
 protected:
  void SetUp() override {
    if (GetOSVersionType() != oswinNT351) GTEST_SKIP() << "only NT 3.51 refuses the restart";
  }
};

TEST_F(RebootWindowsTest, FailureGoesToOnFailedReboot) {
  TInstall& engine = Load("    RunAutomatic = False\n");
  TCustomInstall* failed = nullptr;
  engine.OnFailedReboot().Assign([&](TCustomInstall* install) { failed = install; });
  engine.RebootWindows();
  EXPECT_EQ(failed, &engine);
}

TEST_F(RebootWindowsTest, WithoutAHandlerTheUserIsTold) {
  TInstall& engine = Load("    RunAutomatic = False\n");
  testing::TBoxAnswerer answerer("Information", testing::TBoxAnswerer::Always("OK"));
  engine.RebootWindows();
  EXPECT_EQ(answerer.Texts(), std::vector<std::string>{"Could not reboot windows. Please manually reboot windows."});
}

}  // namespace
}  // namespace vorlan

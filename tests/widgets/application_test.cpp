#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "archive/archive_hooks.h"
#include "base/exceptions.h"
#include "widgets_fixture.h"

namespace vorlan {
namespace {

using widgets_test::WidgetsFixture;

class ApplicationTest : public WidgetsFixture {
 protected:
  // The main form shown and brought to the front: how often it was
  // activated while pump dispatched the messages, until it was once.
  int ActivationsWhile(const std::function<void()>& pump) {
    int activations = 0;
    form->OnActivate().Assign([&](TObject*) { ++activations; });
    form->Show();
    SetForegroundWindow(form->Handle());
    for (int i = 0; i < 50 && activations == 0; ++i) {
      pump();
      Sleep(10);
    }
    form->OnActivate().Assign(nullptr);
    return activations;
  }
};

TEST_F(ApplicationTest, ParametersFollowTheProgramName) {
  EXPECT_EQ(application->Parameters(), std::vector<std::string>{"-b"});
  EXPECT_EQ(ProgramParameters(), std::vector<std::string>{"-b"});
  EXPECT_EQ(Application(), application.get());
  EXPECT_THROW(TApplication second(std::vector<std::string>{}), Exception);
  EXPECT_EQ(Application(), application.get());
}

// The activation handler asks for the end and goes on working: the loop
// ends only once the handler has returned.
TEST_F(ApplicationTest, TerminateLetsTheCurrentCallFinish) {
  bool finished = false;
  int activations = 0;
  form->OnActivate().Assign([&](TObject* sender) {
    EXPECT_EQ(sender, form.get());
    ++activations;
    application->Terminate();
    application->ProcessMessages();
    finished = true;
  });
  application->Run();
  EXPECT_TRUE(finished);
  EXPECT_EQ(activations, 1);
  EXPECT_TRUE(application->Terminated());
  EXPECT_EQ(application->ExitCode(), 0);
}

TEST_F(ApplicationTest, ProcessMessagesDispatchesWhatIsWaiting) {
  EXPECT_GE(ActivationsWhile([this] { application->ProcessMessages(); }), 1);
  EXPECT_FALSE(application->Terminated());
}

// The archive's long loops (a file extracted buffer by buffer) call its
// hook; with an application, the windows take their messages there.
TEST_F(ApplicationTest, ArchiveLoopsLetTheWindowsTakeTheirMessages) {
  EXPECT_GE(ActivationsWhile(ArchiveProcessMessages), 1);
}

TEST_F(ApplicationTest, ExceptionsInTheLoopReachTheHandler) {
  std::string seen;
  TObject* sender = nullptr;
  application->OnException().Assign([&](TObject* s, const std::exception& error) {
    seen = error.what();
    sender = s;
    application->Terminate();
  });
  form->OnActivate().Assign([](TObject*) { throw IEInstall("Failed in the loop"); });
  application->Run();
  EXPECT_EQ(seen, "Failed in the loop");
  EXPECT_EQ(sender, form.get());
}

TEST_F(ApplicationTest, UnhandledExceptionIsShownAndEndsTheProgram) {
  _putenv("VORLAN_UNATTENDED=1");
  ::testing::internal::CaptureStderr();
  form->OnActivate().Assign([](TObject*) { throw Exception("Nobody handles this"); });
  application->Run();
  std::string shown = ::testing::internal::GetCapturedStderr();
  _putenv("VORLAN_UNATTENDED=");
  EXPECT_EQ(shown, "Nobody handles this\n");
  EXPECT_TRUE(application->Terminated());
  EXPECT_EQ(application->ExitCode(), 1);
}

TEST_F(ApplicationTest, ClosingTheMainFormEndsTheLoop) {
  form->OnActivate().Assign([&](TObject*) { PostMessageA(form->Handle(), WM_CLOSE, 0, 0); });
  application->Run();
  EXPECT_TRUE(application->Terminated());
  EXPECT_TRUE(IsWindow(form->Handle()));
}

}  // namespace
}  // namespace vorlan

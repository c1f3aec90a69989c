#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "base/strings.h"
#include "engine/engine_errors.h"
#include "engine_fixture.h"
#include "objects/install_group.h"
#include "win_test_support.h"

namespace vorlan {
namespace {

using engine_test::EngineFixture;

class EngineRunModeTest : public EngineFixture {};

std::string Message(const std::function<void()>& action) {
  try {
    action();
  } catch (const IEInstall& error) {
    return error.what();
  }
  return "";
}

TEST_F(EngineRunModeTest, CommandLineSelectsTheMode) {
  struct {
    std::vector<std::string> parameters;
    std::string message;
  } const cases[] = {
      // No install record: the after-reboot run finds no unfinished list.
      {{"-r"}, "The TInstall could not either write or read unfinished business from the registry"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Message([&] { Load("", c.parameters); }), c.message) << ::testing::PrintToString(c.parameters);
  }
}

TEST_F(EngineRunModeTest, NormalModeHooksTheFormsActivation) {
  TInstall& engine = Load("    RunAutomatic = False\n", {"-sC:\\Setup"});
  EXPECT_EQ(engine.MainForm(), form.get());
  EXPECT_TRUE(static_cast<bool>(form->OnActivate()));
  EXPECT_FALSE(engine.Activated());
}

TEST_F(EngineRunModeTest, InstallTypeFromTheSet) {
  struct {
    const char* set;
    TInstallType type;
  } const cases[] = {
      {"[itCompact, itFull]", itCompact}, {"[itFull]", itFull},   {"[itDefault, itCompact]", itDefault},
      {"[itCustom]", itFull},             {"[]", itFull},         {"[itCustom, itCompact]", itCompact},
  };
  for (const auto& c : cases) {
    TInstall& engine = Load(std::string("    RunAutomatic = False\n    InstallTypes = ") + c.set + "\n");
    EXPECT_EQ(engine.CurrentInstallType(), c.type) << c.set;
    EXPECT_NE(engine.InstallTypes(), 0) << c.set;
  }
}

TEST_F(EngineRunModeTest, InstallTypeReachesTheWholeTree) {
  Start();
  ReadDefinitionInto(*form, R"(object MainForm: TMainForm
  object Install1: TInstall
    RunAutomatic = False
    InstallTypes = [itCompact, itFull]
  end
  object Tools: TInstallGroup
    Container = Install1
  end
end
)");
  auto* group = dynamic_cast<TInstallGroup*>(form->FindComponent("Tools"));
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->CurrentInstallType(), itCompact);
}

TEST_F(EngineRunModeTest, HiddenFormMovesOffScreen) {
  Start();
  form->SetBounds(10, 20, 300, 200);
  ReadDefinitionInto(*form, R"(object MainForm: TMainForm
  Width = 400
  Height = 250
  object Install1: TInstall
    RunAutomatic = False
    HideMainForm = True
  end
end
)");
  EXPECT_EQ(form->Left(), -800);
  EXPECT_EQ(form->Top(), -500);
  EXPECT_EQ(form->Width(), 400);
}

TEST_F(EngineRunModeTest, FirstActivationOnlyStartsTheRun) {
  int saved = 0;
  TObject* sender = nullptr;
  Start();
  form->OnActivate().Bind("Saved", [&](TObject* s) {
    ++saved;
    sender = s;
  });
  ReadDefinitionInto(*form, "object MainForm: TMainForm\n  object Install1: TInstall\n  end\nend\n");
  TInstall& engine = *Engine();
  // Without -s the run stops at once, which is all this test needs of it.
  EXPECT_EQ(Message([&] { form->Activate(); }), engine_error::kLoadingProgramPathMissing);
  EXPECT_TRUE(engine.Activated());
  EXPECT_EQ(saved, 1);
  EXPECT_EQ(sender, form.get());
  EXPECT_EQ(form->WindowState(), wsMaximized);
  // The saved callback is back in place before the run.
  EXPECT_EQ(form->OnActivate().HandlerName(), "Saved");
  EXPECT_EQ(Message([&] { engine.FormActivated(form.get()); }), "");
  EXPECT_EQ(saved, 1);
}

TEST_F(EngineRunModeTest, WithoutRunAutomaticActivationStartsNothing) {
  int saved = 0;
  Start();
  form->OnActivate().Bind("Saved", [&](TObject*) { ++saved; });
  ReadDefinitionInto(*form, R"(object MainForm: TMainForm
  object Install1: TInstall
    RunAutomatic = False
    AutoMaximizeWindow = False
  end
end
)");
  form->Activate();
  form->Activate();
  EXPECT_EQ(saved, 1);
  EXPECT_EQ(form->WindowState(), wsNormal);
  EXPECT_TRUE(Engine()->Activated());
}

TEST_F(EngineRunModeTest, RunFailureReachesTheApplicationsHandler) {
  TInstall& engine = Load("");
  ASSERT_TRUE(static_cast<bool>(application->OnException()));
  ::testing::internal::CaptureStderr();
  SetEnvironmentVariableA("VORLAN_UNATTENDED", "1");
  _putenv("VORLAN_UNATTENDED=1");
  application->HandleException(&engine, IEInstall("Failed on purpose"));
  _putenv("VORLAN_UNATTENDED=");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Failed on purpose\n");
  // Outside a run the error is only shown.
  EXPECT_FALSE(application->Terminated());
  EXPECT_EQ(application->ExitCode(), 0);
  delete &engine;
  EXPECT_FALSE(static_cast<bool>(application->OnException()));
}

TEST_F(EngineRunModeTest, EngineOnAFormThatIsNotTheMainForm) {
  Start();
  application->SetMainForm(nullptr);
  ReadDefinitionInto(*form, "object MainForm: TMainForm\n  object Install1: TInstall\n    RunAutomatic = False\n"
                            "  end\nend\n");
  EXPECT_EQ(Engine()->MainForm(), form.get());
}

TEST_F(EngineRunModeTest, ProgramDirectoryIsTheModules) {
  // Without -e the loading program is the setup.exe in the -s directory.
  TInstall& engine = Load("    RunAutomatic = False\n", {"-sC:\\Loader", "-c"});
  EXPECT_TRUE(SameText(engine.GetProgramDirectory(), testing::ProgramDir()));
  EXPECT_TRUE(SameText(ExtractFileDir(engine.GetModulePath()), testing::ProgramDir()));
  EXPECT_EQ(engine.GetLoadingProgramPath(), "C:\\Loader\\setup.exe");
  engine.SetUseLoadingProgram(false);
  EXPECT_TRUE(SameText(engine.GetLoadingProgramPath(), engine.GetModulePath()));

  TInstall& plain = Load("    RunAutomatic = False\n");
  EXPECT_TRUE(SameText(plain.LoadingProgramDir(), testing::ProgramDir()));
}

}  // namespace
}  // namespace vorlan

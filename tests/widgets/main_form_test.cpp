#include <windows.h>

#include <gtest/gtest.h>

#include "component/class_registry.h"
#include "component/definition_reader.h"
#include "component/handler_registry.h"
#include "widgets_fixture.h"

namespace vorlan {
namespace {

using widgets_test::WidgetsFixture;

class MainFormTest : public WidgetsFixture {};

TEST_F(MainFormTest, IsARealTopLevelWindow) {
  EXPECT_TRUE(form->IsForm());
  EXPECT_FALSE(form->HandleAllocated());
  form->SetCaption("Zarvik Setup");
  form->SetBounds(30, 40, 500, 300);
  form->Show();
  HWND window = form->Handle();
  ASSERT_TRUE(IsWindow(window));
  EXPECT_EQ(GetParent(window), nullptr);
  EXPECT_TRUE(IsWindowVisible(window));
  char caption[64] = {};
  GetWindowTextA(window, caption, sizeof caption);
  EXPECT_STREQ(caption, "Zarvik Setup");
  RECT rect;
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.left, 30);
  EXPECT_EQ(rect.top, 40);
  EXPECT_EQ(rect.right - rect.left, 500);
}

TEST_F(MainFormTest, MovesOffScreenAndBack) {
  form->Show();
  form->SetBounds(-1280, -960, 640, 480);
  RECT rect;
  GetWindowRect(form->Handle(), &rect);
  EXPECT_EQ(rect.left, -1280);
  EXPECT_EQ(rect.top, -960);
  form->SetLeft(0);
  GetWindowRect(form->Handle(), &rect);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(form->Top(), -960);
}

TEST_F(MainFormTest, Maximises) {
  form->Show();
  EXPECT_FALSE(IsZoomed(form->Handle()));
  form->SetWindowState(wsMaximized);
  EXPECT_TRUE(IsZoomed(form->Handle()));
  form->Repaint();
  form->SetWindowState(wsNormal);
  EXPECT_FALSE(IsZoomed(form->Handle()));
  // A state set before the window is shown is the one it shows in.
  TMainForm other(nullptr);
  other.SetWindowState(wsMaximized);
  other.Show();
  EXPECT_TRUE(IsZoomed(other.Handle()));
}

TEST_F(MainFormTest, DefinitionSetsTheFormAndItsActivationHandler) {
  int activations = 0;
  Handlers().Register<std::function<void(TObject*)>>("FormActivate", [&](TObject*) { ++activations; });
  ReadDefinitionInto(*form, R"(object MainForm: TMainForm
  Caption = 'From the definition'
  Left = 5
  Top = 6
  Width = 300
  Height = 200
  WindowState = wsMaximized
  OnActivate = FormActivate
end
)");
  EXPECT_EQ(form->Caption(), "From the definition");
  EXPECT_EQ(form->Left(), 5);
  EXPECT_EQ(form->Height(), 200);
  EXPECT_EQ(form->WindowState(), wsMaximized);
  EXPECT_EQ(form->OnActivate().HandlerName(), "FormActivate");
  form->Activate();
  EXPECT_EQ(activations, 1);
  EXPECT_NE(Classes().Find("TMainForm"), nullptr);
}

TEST_F(MainFormTest, DestroyedFormLeavesTheApplication) {
  form.reset();
  EXPECT_EQ(application->MainForm(), nullptr);
}

}  // namespace
}  // namespace vorlan

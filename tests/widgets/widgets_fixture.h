#pragma once
// The widgets module in a scope of its own, with an application whose main
// form a test can make.

#include <gtest/gtest.h>

#include <memory>

#include "component/program_scope.h"
#include "widgets/application.h"
#include "widgets/main_form.h"
#include "widgets/widgets_module.h"

namespace vorlan::widgets_test {

class WidgetsFixture : public ::testing::Test {
 protected:
  WidgetsFixture() {
    RegisterWidgetsModule(scope);
    application = std::make_unique<TApplication>(std::vector<std::string>{"setup.exe", "-b"});
    form = std::make_unique<TMainForm>(nullptr);
    application->SetMainForm(form.get());
  }

  ProgramScope scope;
  std::unique_ptr<TApplication> application;
  std::unique_ptr<TMainForm> form;
};

}  // namespace vorlan::widgets_test

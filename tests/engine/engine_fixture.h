#pragma once
// An application with a command line and a main form, with every module of
// the setup program registered, into which a test reads an engine.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "component/definition_reader.h"
#include "component/program_scope.h"
#include "engine/engine_module.h"
#include "engine/install.h"
#include "objects/objects_module.h"
#include "widgets/application.h"
#include "widgets/main_form.h"
#include "widgets/widgets_module.h"

namespace vorlan::engine_test {

class EngineFixture : public ::testing::Test {
 protected:
  EngineFixture() {
    RegisterObjectsModule(scope);
    RegisterWidgetsModule(scope);
    RegisterEngineModule(scope);
  }

  // A fresh application with these parameters and its main form.
  void Start(const std::vector<std::string>& parameters = {}) {
    form.reset();
    application.reset();
    std::vector<std::string> line{"setup.exe"};
    line.insert(line.end(), parameters.begin(), parameters.end());
    application = std::make_unique<TApplication>(line);
    form = std::make_unique<TMainForm>(nullptr);
    application->SetMainForm(form.get());
  }

  // Reads an engine with these property lines onto a new main form.
  TInstall& Load(const std::string& properties, const std::vector<std::string>& parameters = {},
                 const TReadOptions& options = {}) {
    Start(parameters);
    ReadDefinitionInto(*form, "object MainForm: TMainForm\n  object Install1: TInstall\n" + properties +
                                  "  end\nend\n", options);
    return *Engine();
  }

  TInstall* Engine() const { return dynamic_cast<TInstall*>(form->FindComponent("Install1")); }

  ProgramScope scope;
  std::unique_ptr<TApplication> application;
  std::unique_ptr<TMainForm> form;
};

}  // namespace vorlan::engine_test

// The main form's own activation handler of the run-mode test program: it
// writes what the engine saw to the file VORLAN_RUN_MODE_FILE names and
// ends the program.

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "engine/custom_install.h"
#include "objects/install_engine.h"
#include "setup_handlers.h"
#include "widgets/application.h"
#include "widgets/main_form.h"

namespace {

using namespace vorlan;

void ReportRunMode(TObject* /*sender*/) {
  auto* engine = dynamic_cast<TCustomInstall*>(TheInstall());
  std::string report = "activated";
  if (engine) {
    report += " switches=";
    for (size_t i = 0; i < engine->Switches().size(); ++i) {
      if (engine->HasSwitch(static_cast<TSwitch>(i))) report += kSwitchLetters[i];
    }
    report += " s=" + engine->SwitchText(swSource) + " loading=" + engine->LoadingProgramDir();
    auto* form = dynamic_cast<TMainForm*>(engine->MainForm());
    if (form) report += " left=" + std::to_string(form->Left());
  }
  if (const char* path = std::getenv("VORLAN_RUN_MODE_FILE")) {
    if (FILE* file = std::fopen(path, "wb")) {
      std::fputs(report.c_str(), file);
      std::fclose(file);
    }
  }
  if (TApplication* application = Application()) application->Terminate();
}

const TSetupHandlers kHandlers([](THandlerRegistry& registry) {
  registry.Register<std::function<void(TObject*)>>("ReportRunMode", &ReportRunMode);
});

}  // namespace

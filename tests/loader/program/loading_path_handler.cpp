// The main form's activation handler of the loading-path test program: it
// writes which loading program the engine believes started it, and the
// switches that told it so, to the file VORLAN_RECORD_FILE names, and ends
// the program.

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "engine/custom_install.h"
#include "objects/install_engine.h"
#include "setup_handlers.h"
#include "widgets/application.h"

namespace {

using namespace vorlan;

void ReportLoadingProgram(TObject* /*sender*/) {
  auto* engine = dynamic_cast<TCustomInstall*>(TheInstall());
  std::string report;
  if (engine) {
    report = "loading=" + engine->GetLoadingProgramPath() + "\ns=" + engine->SwitchText(swSource) +
             "\ne=" + engine->SwitchText(swSelfExtract) + "\nc=" + (engine->HasSwitch(swCleanup) ? "1" : "0");
  }
  if (const char* path = std::getenv("VORLAN_RECORD_FILE")) {
    if (FILE* file = std::fopen(path, "wb")) {
      std::fputs(report.c_str(), file);
      std::fclose(file);
    }
  }
  if (TApplication* application = Application()) application->Terminate();
}

const TSetupHandlers kHandlers([](THandlerRegistry& registry) {
  registry.Register<std::function<void(TObject*)>>("ReportLoadingProgram", &ReportLoadingProgram);
});

}  // namespace

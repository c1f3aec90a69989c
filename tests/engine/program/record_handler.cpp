// The main form's activation handler of the install record test program:
// it does what VORLAN_RECORD_ACTION names, writes what came of it to the
// file VORLAN_RECORD_REPORT names and ends the program.
//
//   record          find or create the install record; reports its key
//   cleanup         write the cleanup batch; reports its path and, on the
//                   next lines, what it holds; or "none"
//   cleanup-plain   the same with UseLoadingProgram off
//   cleanup-refused the same with OnBeforeCleanup refusing

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

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// The batch is read now: it is started, and erases itself, once the
// engine is gone.
std::string Cleanup(TCustomInstall& engine) {
  engine.WriteCleanupBatch();
  if (!engine.CleanupBatchWritten()) return "none";
  std::string report = engine.CleanupBatchPath() + "\n";
  if (FILE* file = std::fopen(engine.CleanupBatchPath().c_str(), "rb")) {
    char buffer[4096];
    report.append(buffer, std::fread(buffer, 1, sizeof buffer, file));
    std::fclose(file);
  }
  return report;
}

std::string Act(TCustomInstall& engine, const std::string& action) {
  if (action == "record") {
    std::string key;
    engine.FindInstallRecord(true, key);
    return key;
  }
  if (action == "cleanup-plain") engine.SetUseLoadingProgram(false);
  if (action == "cleanup-refused") engine.OnBeforeCleanup().Assign([](TCustomInstall*, bool& go) { go = false; });
  return Cleanup(engine);
}

void RecordAction(TObject* /*sender*/) {
  auto* engine = dynamic_cast<TCustomInstall*>(TheInstall());
  std::string report = engine ? Act(*engine, Environment("VORLAN_RECORD_ACTION")) : "no engine";
  if (FILE* file = std::fopen(Environment("VORLAN_RECORD_REPORT").c_str(), "wb")) {
    std::fputs(report.c_str(), file);
    std::fclose(file);
  }
  if (TApplication* application = Application()) application->Terminate();
}

const TSetupHandlers kHandlers([](THandlerRegistry& registry) {
  registry.Register<std::function<void(TObject*)>>("RecordAction", &RecordAction);
});

}  // namespace

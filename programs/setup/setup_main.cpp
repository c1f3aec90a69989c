// The setup program: sets up the process-wide state, reads the install
// definition the executable carries into the main form and runs the
// message loop. A start-up error is shown and ends the program with exit
// code 1; otherwise the exit code is the application's.

#include <windows.h>

#include <memory>
#include <string_view>

#include "base/exceptions.h"
#include "component/definition_reader.h"
#include "component/program_scope.h"
#include "engine/engine_module.h"
#include "links/links_module.h"
#include "objects/objects_module.h"
#include "paths/paths_module.h"
#include "setup_handlers.h"
#include "system/com_ptr.h"
#include "widgets/application.h"
#include "widgets/error_message.h"
#include "widgets/main_form.h"
#include "widgets/widgets_module.h"

namespace vorlan {
namespace {

// The definition is the RCDATA resource named after the form's class.
std::string_view EmbeddedDefinition() {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC resource = FindResourceA(module, "TMAINFORM", MAKEINTRESOURCEA(10));  // RT_RCDATA
  HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) throw Exception("The program holds no install definition");
  return {static_cast<const char*>(bytes), SizeofResource(module, resource)};
}

int RunSetup(TApplication& application) {
  try {
    auto form = std::make_unique<TMainForm>(nullptr);
    application.SetMainForm(form.get());
    ReadDefinitionInto(*form, EmbeddedDefinition());
    application.Run();
  } catch (const std::exception& error) {
    application.ShowException(error);
    return 1;
  }
  return application.ExitCode();
}

int Main() {
  // Shell links rely on COM being ready on the one user-interface thread.
  TComInitScope com;
  ProgramScope scope;
  RegisterWidgetsModule(scope);
  RegisterPathsModule(scope);
  RegisterObjectsModule(scope);
  RegisterLinksModule(scope);
  RegisterEngineModule(scope);
  TSetupHandlers::RegisterAll(Handlers());
  TApplication application;
  return RunSetup(application);
}

}  // namespace
}  // namespace vorlan

int main() {
  try {
    return vorlan::Main();
  } catch (const std::exception& error) {
    // The application could not even be set up.
    vorlan::ShowErrorMessage(error.what());
    return 1;
  }
}

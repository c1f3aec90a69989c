// The directories and programs the engine derives from where it runs.

#include <windows.h>

#include "base/strings.h"
#include "engine/custom_install.h"
#include "widgets/application.h"

namespace vorlan {

namespace {
// The module that holds this code: the program, or a library it loaded.
HMODULE OwnModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&OwnModule), &module);
  return module;
}

std::string ModuleFileName(HMODULE module) {
  char path[MAX_PATH + 2] = {};
  DWORD length = GetModuleFileNameA(module, path, sizeof path);
  return std::string(path, length);
}

std::string SecondParameter() {
  std::vector<std::string> parameters = ProgramParameters();
  return parameters.size() >= 2 ? parameters[1] : std::string();
}
}  // namespace

bool TCustomInstall::RunsInLibrary() const { return OwnModule() != GetModuleHandleA(nullptr); }

std::string TCustomInstall::GetModulePath() const { return ModuleFileName(OwnModule()); }

std::string TCustomInstall::GetProgramDirectory() const { return ExtractFileDir(GetModulePath()); }

std::string TCustomInstall::GetLoadingProgramPath() {
  if (RunsInLibrary()) return GetModulePath();
  if (HasSwitch(swSelfExtract)) return GetArchivePath();
  if (UseLoadingProgram()) return AddBackslash(LoadingProgramDir()) + SecondParameter();
  return ModuleFileName(nullptr);
}

}  // namespace vorlan

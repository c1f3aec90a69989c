// The directories and programs the engine derives from where it runs.

#include <windows.h>

#include "base/strings.h"
#include "engine/custom_install.h"

namespace vorlan {

namespace {
// The module that holds this code: the program, or a library it loaded.
// One of its own addresses lies in the module's image, which begins where
// that memory was reserved.
HMODULE OwnModule() {
  MEMORY_BASIC_INFORMATION region{};
  VirtualQuery(reinterpret_cast<LPCVOID>(&OwnModule), &region, sizeof region);
  return static_cast<HMODULE>(region.AllocationBase);
}

std::string ModuleFileName(HMODULE module) {
  char path[MAX_PATH + 2] = {};
  DWORD length = GetModuleFileNameA(module, path, sizeof path);
  return std::string(path, length);
}

// The loading program names itself only with -e, when the archives are in
// it; otherwise it is the setup.exe a build puts beside setup.1, and only
// its directory travels on the command line (-s).
constexpr const char* kLoadingProgramName = "setup.exe";
}  // namespace

bool TCustomInstall::RunsInLibrary() const { return OwnModule() != GetModuleHandleA(nullptr); }

std::string TCustomInstall::GetModulePath() const { return ModuleFileName(OwnModule()); }

std::string TCustomInstall::GetProgramDirectory() const { return ExtractFileDir(GetModulePath()); }

std::string TCustomInstall::GetLoadingProgramPath() {
  if (RunsInLibrary()) return GetModulePath();
  if (HasSwitch(swSelfExtract)) return GetArchivePath();
  if (UseLoadingProgram()) return AddBackslash(LoadingProgramDir()) + kLoadingProgramName;
  return ModuleFileName(nullptr);
}

}  // namespace vorlan

#include "objects/objects_module.h"

#include <memory>

#include "archive/vorlan_compress.h"
#include "component/class_registry.h"
#include "component/program_scope.h"
#include "objects/archive_cache.h"
#include "objects/container_specifiers.h"
#include "objects/file_container_specifier.h"
#include "objects/install_directory.h"
#include "objects/install_file.h"
#include "objects/install_group.h"
#include "objects/install_registry.h"
#include "objects/install_container.h"
#include "objects/install_engine.h"
#include "objects/main_archive_file.h"
#include "objects/uninstall_exe.h"
#include "objects/uninstall_file_list.h"
#include "paths/paths_module.h"
#include "system/system_module.h"

namespace vorlan {

namespace {
struct TDeferredRegistrationFiles : TCustomInstallFileList {};
struct TAllInstallFiles : TCustomInstallFileList {};
struct TMainArchive {
  std::unique_ptr<TVorlanCompress> archive = std::make_unique<TVorlanCompress>(nullptr);
};
struct TNameClashCounter {
  int last = 0;
};

// The specifiers that ask the tree, among the core ones in their places.
void RegisterTreeSpecifiers() {
  Classes().Register(TpsFileContainer::StaticClassInfo());
  RegisterPathSpecifierClasses({
      .container_archive_file = &TpsContainerArchiveFile::StaticClassInfo(),
      .container_dest_dir = &TpsContainerDestDir::StaticClassInfo(),
      .install_source = &TpsInstallSource::StaticClassInfo(),
      .main_install = &TpsMainInstall::StaticClassInfo(),
      .main_archive_file = &TpsMainArchiveFile::StaticClassInfo(),
  });
}
}  // namespace

void RegisterObjectsModule(ProgramScope& scope) {
  if (scope.Find<TObjectsState>()) return;
  RegisterSystemModule(scope);
  RegisterPathsModule(scope);
  scope.Emplace<TObjectsState>();
  scope.Emplace<TNameClashCounter>();
  scope.Emplace<TDeferredRegistrationFiles>();
  scope.Emplace<TAllInstallFiles>();
  scope.Emplace<TMainArchive>();
  RegisterArchiveCache(scope);
  RegisterUninstallFileLists(scope);
  scope.Emplace<TInstallContainerList>();
  scope.Emplace<TInstallRegistryList>();
  Classes().Register(TInstallGroup::StaticClassInfo());
  Classes().Register(TInstallDirectory::StaticClassInfo());
  Classes().Register(TInstallRegistry::StaticClassInfo());
  Classes().Register(TInstallFile::StaticClassInfo());
  Classes().Register(TUninstallEXE::StaticClassInfo());
  RegisterTreeSpecifiers();
}

int NextNameClash() { return ++ProgramScope::Current().Get<TNameClashCounter>().last; }

TObjectsState& ObjectsState() { return ProgramScope::Current().Get<TObjectsState>(); }
TCustomInstallFileList& DeferredRegistrationFiles() { return ProgramScope::Current().Get<TDeferredRegistrationFiles>(); }
TCustomInstallFileList& AllInstallFiles() { return ProgramScope::Current().Get<TAllInstallFiles>(); }
TVorlanCompress& MainArchive() { return *ProgramScope::Current().Get<TMainArchive>().archive; }

TInstallContainerList* AllContainers() {
  return ProgramScope::Exists() ? ProgramScope::Current().Find<TInstallContainerList>() : nullptr;
}

TInstallEngine* TheInstall() {
  if (!ProgramScope::Exists()) return nullptr;
  TObjectsState* state = ProgramScope::Current().Find<TObjectsState>();
  return state ? state->the_install : nullptr;
}

void SetTheInstall(TInstallEngine* engine) {
  TObjectsState& state = ObjectsState();
  bool removed = state.the_install && !engine;
  state.the_install = engine;
  if (!removed) return;
  if (TInstallContainerList* all = AllContainers()) {
    for (TInstallContainer* object : std::vector<TInstallContainer*>(all->Items())) object->EngineRemoved();
  }
}

}  // namespace vorlan

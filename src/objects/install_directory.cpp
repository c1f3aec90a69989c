#include "objects/install_directory.h"

#include "base/file.h"
#include "objects/custom_install_file.h"
#include "objects/objects_module.h"

namespace vorlan {

namespace {
int FileContainersAlive() {
  TInstallContainerList* all = AllContainers();
  if (!all) return 0;
  int count = 0;
  for (TInstallContainer* object : all->Items()) count += dynamic_cast<TFileContainer*>(object) ? 1 : 0;
  return count;
}
}  // namespace

TInstallDirectory::TInstallDirectory(TComponent* owner) : TFileContainer(owner) {
  SetAutoProcess(true);
  SetInclude(true);
  if (Designing()) SetDescription("Install Directory " + std::to_string(FileContainersAlive()));
}

void TInstallDirectory::RemoveMissingFiles() {
  for (int i = FileCount() - 1; i >= 0; --i) {
    TCustomInstallFile* file = Files(i);
    if (FileExists(file->SourcePath())) continue;
    file->SetContainer(nullptr);
    delete file;
  }
}

const TClassInfo& TInstallDirectory::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TInstallDirectory, TFileContainer>("TInstallDirectory");
  return info;
}

}  // namespace vorlan

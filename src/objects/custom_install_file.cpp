#include "objects/custom_install_file.h"

#include "base/strings.h"
#include "component/program_scope.h"
#include "objects/objects_module.h"

namespace vorlan {

TCustomInstallFile::TCustomInstallFile(TComponent* owner) : TFileRelated(owner, type_code::kFile) {
  SetAutoProcess(true);
  SetInclude(true);
  SetNet(false);
  if (!ProgramScope::Exists() || !ProgramScope::Current().Find<TObjectsState>()) return;
  AllInstallFiles().Add(this);
  auto& marks = ObjectsState().unique_id_marks;
  for (size_t id = 0; id < marks.size(); ++id) {
    if (!marks[id]) {
      unique_id_ = static_cast<int>(id);
      break;
    }
  }
  marks.set(static_cast<size_t>(unique_id_));
}

TCustomInstallFile::~TCustomInstallFile() {
  if (!ProgramScope::Exists() || !ProgramScope::Current().Find<TObjectsState>()) return;
  DeferredRegistrationFiles().Remove(this);
  AllInstallFiles().Remove(this);
  ObjectsState().unique_id_marks.reset(static_cast<size_t>(unique_id_));
}

std::string TCustomInstallFile::SourcePath() const { return AddBackslash(include_from_dir_) + file_name_; }

bool TCustomInstallFile::NeedsArchiveInfo() const {
  return overwrite_mode_ == owVersion || overwrite_mode_ == owDate || overwrite_mode_ == owVersionDate;
}

void TCustomInstallFile::SetSourceInfo(int32_t size, int32_t packed_size, TDateTime date, std::string version) {
  source_size_ = size;
  packed_size_ = packed_size;
  source_date_ = date;
  source_version_ = std::move(version);
}

}  // namespace vorlan

namespace vorlan {
const TClassInfo& TCustomInstallFile::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TCustomInstallFile, TFileRelated>("TCustomInstallFile");
  return info;
}
}  // namespace vorlan

#include "objects/custom_install_file.h"

#include "base/strings.h"
#include "component/program_scope.h"
#include "objects/install_engine.h"
#include "objects/objects_module.h"
#include "objects/container_specifiers.h"
#include "objects/specifier_access.h"
#include "paths/folder_specifiers.h"
#include "paths/unique_component_name.h"
#include "system/version_info.h"

namespace vorlan {

namespace {
constexpr int kUniqueIdCount = 2000;

bool HasObjectsState() { return ProgramScope::Exists() && ProgramScope::Current().Find<TObjectsState>(); }

}  // namespace

TCustomInstallFile::TCustomInstallFile(TComponent* owner) : TFileRelated(owner, type_code::kFile) {
  SetAutoProcess(true);
  SetInclude(true);
  SetNet(false);
  if (!HasObjectsState()) return;
  AllInstallFiles().Add(this);
  ClaimFreeUniqueID();
}

TCustomInstallFile::TCustomInstallFile(TComponent* owner, const std::string& source_path)
    : TCustomInstallFile(owner) {
  SetIncludeFromDir(RemoveBackslash(ExtractFileDir(source_path)));
  SetFileName(ExtractFileName(source_path));
}

TCustomInstallFile::TCustomInstallFile(TComponent* owner, TInstallContainer* container,
                                       const std::string& source_path)
    : TCustomInstallFile(owner, source_path) {
  SetContainer(container);
}

TCustomInstallFile::~TCustomInstallFile() {
  if (!HasObjectsState()) return;
  DeferredRegistrationFiles().Remove(this);
  AllInstallFiles().Remove(this);
  if (has_unique_id_mark_) ObjectsState().unique_id_marks.reset(static_cast<size_t>(unique_id_));
}

// The lowest free identifier, 0 when all are taken.
void TCustomInstallFile::ClaimFreeUniqueID() {
  auto& marks = ObjectsState().unique_id_marks;
  unique_id_ = 0;
  for (size_t id = 0; id < marks.size(); ++id) {
    if (!marks[id]) {
      unique_id_ = static_cast<int>(id);
      break;
    }
  }
  marks.set(static_cast<size_t>(unique_id_));
  has_unique_id_mark_ = true;
}

void TCustomInstallFile::SetUniqueID(int value) {
  if (value < 0 || value >= kUniqueIdCount) {
    throw IECustomInstallFile("%s: UniqueID %d is outside 0 ... 1999", Name(), value);
  }
  if (!HasObjectsState()) {
    unique_id_ = value;
    return;
  }
  auto& marks = ObjectsState().unique_id_marks;
  if (has_unique_id_mark_) marks.reset(static_cast<size_t>(unique_id_));
  unique_id_ = value;
  marks.set(static_cast<size_t>(unique_id_));
  has_unique_id_mark_ = true;
}

// The identifiers of a loaded definition are its own: the first file loaded
// forgets the marks the constructors took, then each takes its stored one.
void TCustomInstallFile::Loaded() {
  TFileRelated::Loaded();
  if (!HasObjectsState()) return;
  TObjectsState& state = ObjectsState();
  if (!state.unique_ids_loaded) {
    state.unique_ids_loaded = true;
    state.unique_id_marks.reset();
  }
  state.unique_id_marks.set(static_cast<size_t>(unique_id_));
  has_unique_id_mark_ = true;
}

std::string TCustomInstallFile::SourcePath() const { return AddBackslash(include_from_dir_) + file_name_; }

std::string TCustomInstallFile::GetInstalledPath() { return AddBackslash(GetDestinationPath()) + dest_name_; }

bool TCustomInstallFile::NeedsArchiveInfo() const {
  return NetLocation() || overwrite_mode_ == owVersion || overwrite_mode_ == owDate ||
         overwrite_mode_ == owVersionDate;
}

void TCustomInstallFile::SetSourceInfo(int32_t size, int32_t packed_size, TDateTime date, std::string version) {
  source_size_ = size;
  packed_size_ = packed_size;
  source_date_ = date;
  source_version_ = std::move(version);
}

void TCustomInstallFile::Inform(int code, const TReport& report) {
  if (Container()) Container()->DoInformationEventControl(this, code, report);
}

void TCustomInstallFile::SetState(TInstallFileState value) {
  switch (value) {
    case ifsCompress: Compress(); break;
    case ifsInstall: Process(); break;
    case ifsCopying: Copy(); break;
    default: state_ = value; return;
  }
  state_ = ifsNone;
}

// ---- the settings cascade ----

TCustomInstallFile::TSettings TCustomInstallFile::CurrentSettings() const {
  return {Container(), include_from_dir_, file_name_, DestDir(), dest_name_, DestDirType(), active_x_, file_type_};
}

void TCustomInstallFile::SetActiveX(bool value) {
  if (Loading()) {
    active_x_ = value;
    return;
  }
  TSettings next = CurrentSettings();
  next.active_x = value;
  ApplySettings(std::move(next));
}

void TCustomInstallFile::SetDestName(const std::string& value) {
  if (Loading()) {
    dest_name_ = value;
    return;
  }
  TSettings next = CurrentSettings();
  next.dest_name = value;
  ApplySettings(std::move(next));
}

void TCustomInstallFile::SetFileName(const std::string& value) {
  if (Loading()) {
    file_name_ = value;
    return;
  }
  TSettings next = CurrentSettings();
  next.file_name = value;
  ApplySettings(std::move(next));
}

void TCustomInstallFile::SetFileType(TInstallFileType value) {
  if (Loading()) {
    file_type_ = value;
    return;
  }
  TSettings next = CurrentSettings();
  next.file_type = value;
  ApplySettings(std::move(next));
}

void TCustomInstallFile::SetIncludeFromDir(const std::string& value) {
  if (Loading()) {
    include_from_dir_ = value;
    return;
  }
  TSettings next = CurrentSettings();
  next.include_from_dir = value;
  ApplySettings(std::move(next));
}

void TCustomInstallFile::SetDestDir(const std::string& value) {
  if (Loading()) return TFileRelated::SetDestDir(value);
  TSettings next = CurrentSettings();
  next.dest_dir = value;
  ApplySettings(std::move(next));
}

void TCustomInstallFile::SetDestDirType(TCustomPathSpecifier* value) {
  if (Loading()) return TFileRelated::SetDestDirType(value);
  TSettings next = CurrentSettings();
  next.dest_dir_type = value;
  ApplySettings(std::move(next));
}

void TCustomInstallFile::SetContainer(TInstallContainer* value) {
  // A container that goes lets its files go without the authoring rules.
  bool container_goes = !value && Container() && Container()->Destroying();
  if (Loading() || Destroying() || container_goes) return TFileRelated::SetContainer(value);
  TSettings next = CurrentSettings();
  next.container = value;
  ApplySettings(std::move(next));
}

void TCustomInstallFile::CheckDuplicate(const TSettings& next) const {
  auto* container = dynamic_cast<TFileContainer*>(next.container);
  bool changes = next.container != Container() || !SameText(next.file_name, file_name_) ||
                 !SameText(next.include_from_dir, include_from_dir_);
  // Files not yet named have no source to clash over.
  if (!container || !changes || Trim(next.file_name).empty()) return;
  std::string path = AddBackslash(next.include_from_dir) + next.file_name;
  TCustomInstallFile* held = container->FindFile(path);
  if (held && held != this) throw IEfcDuplicateFile("There is already a file with the name :%s", path);
}

void TCustomInstallFile::ApplySettings(TSettings next) {
  if (next.container && !dynamic_cast<TFileContainer*>(next.container)) {
    throw IECustomInstallFile(
        "The following TInstallFile component %s requires the Container property to be a component descended from "
        "the TFileContainer component",
        Name());
  }
  CheckDuplicate(next);
  ApplySourceRules(next);
  ApplyKindRules(next);
  TFileRelated::SetDestDirType(next.dest_dir_type);
  TFileRelated::SetContainer(next.container);
  ApplyFileTypeDestination(next);
  include_from_dir_ = next.include_from_dir;
  file_name_ = next.file_name;
  TFileRelated::SetDestDir(next.dest_dir);
  dest_name_ = next.dest_name;
  file_type_ = next.file_type;
  active_x_ = next.active_x;
}

// A new source names the destination and tells what kind of file it is.
void TCustomInstallFile::ApplySourceRules(TSettings& next) {
  bool name_changes = next.file_name != file_name_;
  if (name_changes && !Trim(next.file_name).empty()) {
    next.dest_name = next.file_name;
    TVorlanFileAttributesSet attributes = 0;
    GetFileAttributeSet(AddBackslash(include_from_dir_) + next.file_name, attributes);
    install_attributes_ = attributes;
  }
  if (!name_changes && next.include_from_dir == include_from_dir_) return;
  std::string extension = UpperCase(ExtractFileExt(next.file_name));
  register_as_help_ = extension == ".HLP" || extension == ".CNT";
  if (extension == ".TLB" || extension == ".OCX") {
    next.active_x = true;
    return;
  }
  std::string saved_dir = std::exchange(include_from_dir_, next.include_from_dir);
  std::string saved_name = std::exchange(file_name_, next.file_name);
  next.active_x = HasSelfRegisterFlag();
  include_from_dir_ = std::move(saved_dir);
  file_name_ = std::move(saved_name);
}

// Self-registering files and libraries in the system's directories are
// shared: counted, and replaced only by newer ones.
void TCustomInstallFile::ApplyKindRules(TSettings& next) {
  if (next.active_x && next.active_x != active_x_) next.file_type = iftSystemWideDLL;
  std::string extension = UpperCase(ExtractFileExt(next.file_name));
  if (next.dest_dir_type != DestDirType() && extension.size() == 4 &&
      std::string(".DLL,.OCX,.BLL,.EXE").find(extension) != std::string::npos) {
    if (IsSpecifier<TpsWindow>(next.dest_dir_type) || IsSpecifier<TpsBDEDLL>(next.dest_dir_type)) {
      overwrite_mode_ = owVersionDate;
    } else if (IsSpecifier<TpsSystem>(next.dest_dir_type)) {
      next.file_type = iftSystemWideDLL;
    }
  }
  if (next.file_type == file_type_) return;
  if (next.file_type == iftVendorSharedDLL || next.file_type == iftSystemWideDLL) update_dll_counter_ = true;
  if (next.file_type != iftNormal) overwrite_mode_ = owVersionDate;
}

// The kinds of shared library have a home of their own.
void TCustomInstallFile::ApplyFileTypeDestination(TSettings& next) {
  TCustomPathSpecifier* home = nullptr;
  switch (next.file_type) {
    case iftApplicationSpecificDLL: next.dest_dir = "\\System"; home = StandardSpecifier<TpsMainInstall>(); break;
    case iftVendorSharedDLL: next.dest_dir = "\\System"; home = StandardSpecifier<TpsCommonFiles>(); break;
    case iftSystemWideDLL: next.dest_dir.clear(); home = StandardSpecifier<TpsSystem>(); break;
    default: return;
  }
  TFileRelated::SetDestDirType(home);
}

std::string TCustomInstallFile::UniqueNameStem(const std::string& stem) const {
  std::string file = ExtractFileName(stem);
  return "IF" + IdentCharsOf(ChangeFileExt(file, "")) + "_" + IdentCharsOf(ExtractFileExt(file));
}

bool TCustomInstallFile::HasSelfRegisterFlag() {
  return ReadFirstTranslationString(SourcePath(), "OLESelfRegister").has_value();
}

}  // namespace vorlan

namespace vorlan {

const TEnumInfo& InstallFileTypeInfo() {
  static const TEnumInfo info("TInstallFileType", {"iftNormal", "iftJustADLL", "iftApplicationSpecificDLL",
                                                   "iftVendorSharedDLL", "iftSystemWideDLL"});
  return info;
}

const TEnumInfo& OverwriteTypeInfo() {
  static const TEnumInfo info("TOverwriteType", {"owAlways", "owNever", "owVersion", "owDate", "owVersionDate", "owAsk"});
  return info;
}

const TEnumInfo& FileAttributesInfo() {
  static const TEnumInfo info("TVorlanFileAttributes", {"vfaArchive", "vfaCompressed", "vfaDirectory", "vfaHidden",
                                                        "vfaNormal", "vfaOffline", "vfaReadOnly", "vfaSystem",
                                                        "vfaTemporary"});
  return info;
}

const TClassInfo& TCustomInstallFile::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfo::Define<TCustomInstallFile, TFileRelated>("TCustomInstallFile", [](auto& p) {
        using T = TCustomInstallFile;
        p.String("DestName", &T::DestName, &T::SetDestName);
        p.String("FileName", &T::FileName, &T::SetFileName);
        p.Enumeration("FileType", InstallFileTypeInfo(), &T::FileType, &T::SetFileType).Default(int64_t{iftNormal});
        p.String("IncludeFromDir", &T::IncludeFromDir, &T::SetIncludeFromDir);
        p.Boolean("Net", &T::Net, &T::SetNet).Default(false);
        p.Enumeration("OverwriteMode", OverwriteTypeInfo(), &T::OverwriteMode, &T::SetOverwriteMode)
            .Default(int64_t{owAlways});
        p.Boolean("UpdateDLLCounter", &T::UpdateDLLCounter, &T::SetUpdateDLLCounter).Default(false);
        // Always stored: the archive members are found by it.
        p.Integer("UniqueID", &T::UniqueID, &T::SetUniqueID).Stored([](const T&) { return true; });
        p.Event("OnAfterCompress", &T::OnAfterCompress);
        p.Event("OnAfterCopy", &T::OnAfterCopy);
        p.Event("OnAfterInstall", &T::OnAfterInstall);
        p.Event("OnBeforeCompress", &T::OnBeforeCompress);
        p.Event("OnBeforeCopy", &T::OnBeforeCopy);
        p.Event("OnBeforeInstall", &T::OnBeforeInstall);
        p.Event("OnStatus", &T::OnStatus);
        p.Event("OnNewDisk", &T::OnNewDisk);
        p.Event("OnReplacing", &T::OnReplacing);
      });
  return info;
}

}  // namespace vorlan

#include "objects/file_related.h"

#include "base/file.h"
#include "base/strings.h"
#include "objects/install_engine.h"
#include "objects/objects_module.h"
#include "objects/specifier_access.h"
#include "paths/custom_path_specifier.h"
#include "paths/path_expansion.h"
#include "system/registry_routines.h"

namespace vorlan {

const TEnumInfo& LzhCommandInfo() {
  static const TEnumInfo info("TlzhCommand", {"lzcOverwrite", "lzcOnlyAdd"});
  return info;
}

namespace {
bool NamesItsOwnFile(const TCustomPathSpecifier* specifier) {
  return IsContainerArchiveFile(specifier) || IsMainArchiveFile(specifier);
}

bool IsGroup(const TInstallContainer* container) {
  return container && container->TypeCode() == type_code::kGroup;
}
}  // namespace

TFileRelated::TFileRelated(TComponent* owner) : TInstallObject(owner) {
  SetAutoProcess(true);
  if (Container()) {
    AssignArchiveFileType(StandardContainerArchiveFile());
    MarkArchiveFileTypeByConstructor();
    archive_file_.clear();
  }
}

TFileRelated::~TFileRelated() {
  if (archive_file_type_) archive_file_type_->RemoveFreeNotification(this);
}

void TFileRelated::SetArchiveFile(const std::string& value) {
  if (!Loading() && NamesItsOwnFile(archive_file_type_)) {
    archive_file_.clear();
  } else {
    archive_file_ = value;
  }
}

void TFileRelated::SetArchiveFileType(TCustomPathSpecifier* value) {
  archive_file_type_by_setter_ = true;
  if (!Loading() && value) {
    value->CheckObject(this);
    if (NamesItsOwnFile(value)) archive_file_.clear();
  }
  AssignArchiveFileType(value);
}

void TFileRelated::AssignArchiveFileType(TCustomPathSpecifier* value) {
  if (value == archive_file_type_) return;
  if (archive_file_type_) archive_file_type_->RemoveFreeNotification(this);
  archive_file_type_ = value;
  if (archive_file_type_) archive_file_type_->FreeNotification(this);
}

void TFileRelated::Notification(TComponent* component, TOperation operation) {
  TInstallObject::Notification(component, operation);
  if (operation == TOperation::opRemove && component && component == archive_file_type_) {
    archive_file_type_ = nullptr;
  }
}

void TFileRelated::SetContainer(TInstallContainer* value) {
  TInstallObject::SetContainer(value);
  if (Loading()) return;
  if (dynamic_cast<TFileRelated*>(value) || IsGroup(value)) {
    SetArchiveFileType(StandardContainerArchiveFile());
    SetArchiveFile("");
  } else if (IsContainerArchiveFile(archive_file_type_)) {
    SetArchiveFileType(nullptr);
  }
}

std::string TFileRelated::GetArchivePath() { return ExpandPath(archive_file_type_, this, archive_file_); }

std::string TFileRelated::LocalRecordKey() const {
  return AddBackslash(ObjectsState().install_record_key) + Name();
}

bool TFileRelated::FindLocalArchive(std::string& path) {
  if (Trim(Name()).empty()) return false;
  std::string local = ReadRegString(hkLocalMachine, LocalRecordKey(), "LocalFile", "");
  if (Trim(local).empty() || !FileExists(local)) return false;
  path = local;
  return true;
}

bool TFileRelated::ArchiveIsLocal() {
  if (!Trim(local_archive_path_).empty()) return true;
  std::string found;
  return FindLocalArchive(found);
}

void TFileRelated::StoreLocalFile(const std::string& path) {
  if (Trim(Name()).empty() || Trim(path).empty()) return;
  try {
    WriteRegString(hkLocalMachine, LocalRecordKey(), "LocalFile", path);
  } catch (const Exception&) {
    // A later run downloads the archive again.
  }
}

void TFileRelated::Loaded() {
  if (archive_file_type_by_constructor_ && !archive_file_type_by_setter_) SetArchiveFileType(nullptr);
  TInstallObject::Loaded();
  std::string local;
  if (FindLocalArchive(local)) local_archive_path_ = local;
}

const TClassInfo& TFileRelated::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TFileRelated, TInstallObject>("TFileRelated", [](auto& p) {
    using T = TFileRelated;
    p.Enumeration("AddToArchive", LzhCommandInfo(), &T::AddToArchive, &T::SetAddToArchive)
        .Default(int64_t{lzcOverwrite});
    p.String("ArchiveFile", &T::ArchiveFile, &T::SetArchiveFile);
    p.template Reference<TCustomPathSpecifier>("ArchiveFileType", &T::ArchiveFileType, &T::SetArchiveFileType);
    p.Boolean("Net", &T::Net, &T::SetNet).Default(true);
  });
  return info;
}

}  // namespace vorlan

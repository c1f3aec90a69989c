#include "objects/file_related.h"

#include <cmath>

#include "base/file.h"
#include "base/format.h"
#include "base/strings.h"
#include "objects/container_specifiers.h"
#include "objects/custom_install_file.h"
#include "objects/file_container.h"
#include "objects/install_engine.h"
#include "objects/main_archive_file.h"
#include "objects/net_install_location.h"
#include "objects/objects_module.h"
#include "objects/parameters.h"
#include "objects/specifier_access.h"
#include "paths/custom_path_specifier.h"
#include "paths/path_expansion.h"
#include "system/registry_routines.h"
#include "system/system_dirs.h"
#include "system/vorlan_registry.h"

namespace vorlan {

const TEnumInfo& LzhCommandInfo() {
  static const TEnumInfo info("TlzhCommand", {"lzcOverwrite", "lzcOnlyAdd"});
  return info;
}

namespace {
bool NamesItsOwnFile(const TCustomPathSpecifier* specifier) {
  return IsSpecifier<TpsContainerArchiveFile>(specifier) || IsSpecifier<TpsMainArchiveFile>(specifier);
}

bool IsGroup(const TInstallContainer* container) {
  return container && container->TypeCode() == type_code::kGroup;
}
}  // namespace

TFileRelated::TFileRelated(TComponent* owner, int type_code) : TInstallObject(owner, type_code) {
  SetAutoProcess(true);
  if (Container()) {
    AssignArchiveFileType(StandardSpecifier<TpsContainerArchiveFile>());
    MarkArchiveFileTypeByConstructor();
    archive_file_.clear();
  }
}

TFileRelated::~TFileRelated() {
  if (archive_file_type_) archive_file_type_->RemoveFreeNotification(this);
  if (net_location_) net_location_->RemoveFreeNotification(this);
}

void TFileRelated::SetNetLocation(TCustomNetInstallLocation* value) {
  if (value == net_location_) return;
  if (net_location_) net_location_->RemoveFreeNotification(this);
  net_location_ = value;
  if (net_location_) net_location_->FreeNotification(this);
}

TCustomNetInstallLocation* TFileRelated::FindNetLocation() const {
  if (net_location_) return net_location_;
  if (dynamic_cast<const TCustomInstallFile*>(this) && Container()) {
    auto* container = dynamic_cast<TFileContainer*>(Container());
    return container ? container->FindNetLocation() : nullptr;
  }
  TInstallEngine* engine = TheInstall();
  return engine ? engine->DefaultNetLocation() : nullptr;
}

std::string TFileRelated::NetArchiveDir() const {
  TCustomNetInstallLocation* location = FindNetLocation();
  if (!location) throw IEFileRel_NoNetLocation("Could not find a net install location for %s", Name());
  const TCustomLoginInformation& login = location->LoginInformation();
  std::string directory = CleanFileName(login.Directory());
  if (Trim(directory).empty()) {
    directory = login.Protocol() == ipFTP ? "FTP Root directory" : "HTTP Root directory";
  }
  return CleanFileName(login.Hostname()) + "\\" + directory;
}

void TFileRelated::DownloadArchive() {
  std::string local;
  if (FindLocalArchive(local)) {
    local_archive_path_ = local;
    return;
  }
  TCustomNetInstallLocation* location = FindNetLocation();
  if (!location) throw Exception(Format("Could not find a net install location for %s", Name()));
  if (!location->LoginInformation().IsComplete()) {
    if (net_location_) {
      throw IEFileRelated(
          "%s could not install itself because the TNetLocation component's properties, in the NetLocation "
          "property, have not been filled in",
          Name());
    }
    throw IEFileRelated(
        "%s could not install itself because the LoginInformation property of the TInstall component has not been "
        "properly filled in",
        Name());
  }
  local_archive_path_ = ChangeFileExt(CreateTempFileName(true), ".1");
  location->SetReceiver([this](const std::string& file_name, int32_t bytes, int32_t total, int32_t size,
                               const void* buffer) { DoDataReceived(this, file_name, bytes, total, size, buffer); });
  try {
    location->Download(Name() + ".1", local_archive_path_);
  } catch (...) {
    location->SetReceiver(nullptr);
    throw;
  }
  location->SetReceiver(nullptr);
  if (DownloadAborted()) {
    DeleteFileAt(local_archive_path_);
    local_archive_path_.clear();
    throw EAIUserAbort();
  }
  if (!Designing()) StoreLocalFile(local_archive_path_);
}

void TFileRelated::DoDataReceived(TObject* sender, const std::string& file_name, int32_t bytes, int32_t total_bytes,
                                  int32_t file_size, const void* buffer) {
  TDownloadStatusParameter status;
  status.Bytes = bytes;
  status.FileName = file_name;
  status.FileSize = file_size;
  status.TotalBytes = total_bytes;
  status.PercentDone =
      file_size > 0 ? static_cast<int32_t>(std::nearbyint(static_cast<double>(total_bytes) / file_size * 100.0)) : 0;
  on_data_received_(sender, file_name, bytes, total_bytes, file_size, buffer);
  Broadcast(this, stage::kDownloadProgress, {.download = &status});
  if (Container()) Container()->DoInformationEventControl(this, info_code::kDownloadProgress, {.download = &status});
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
  if (operation != TOperation::opRemove || !component) return;
  if (component == archive_file_type_) archive_file_type_ = nullptr;
  if (component == net_location_) net_location_ = nullptr;
}

void TFileRelated::SetContainer(TInstallContainer* value) {
  TInstallObject::SetContainer(value);
  if (Loading()) return;
  if (dynamic_cast<TFileRelated*>(value) || IsGroup(value)) {
    SetArchiveFileType(StandardSpecifier<TpsContainerArchiveFile>());
    SetArchiveFile("");
  } else if (IsSpecifier<TpsContainerArchiveFile>(archive_file_type_)) {
    SetArchiveFileType(nullptr);
  }
}

std::string TFileRelated::GetArchivePath() { return ExpandPath(archive_file_type_, this, archive_file_); }

std::string TFileRelated::LocalRecordKey() const {
  return AddBackslash(ObjectsState().install_record_key) + Name();
}

namespace {
// Most runs download nothing, so their record holds no object's entry:
// one look at the record spares every file a lookup of its own.
bool LocalRecordsMayExist() {
  TObjectsState& state = ObjectsState();
  if (state.install_record_key.empty()) return false;
  if (state.local_records_key != state.install_record_key) {
    TVorlanRegistry record;
    record.SetRootKey(HKEY_LOCAL_MACHINE);
    state.local_records_exist =
        record.OpenKeyReadOnly(state.install_record_key) && !record.GetKeyNames().empty();
    state.local_records_key = state.install_record_key;
  }
  return state.local_records_exist;
}
}  // namespace

bool TFileRelated::FindLocalArchive(std::string& path) {
  if (Trim(Name()).empty() || !LocalRecordsMayExist()) return false;
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
    ObjectsState().local_records_key = ObjectsState().install_record_key;
    ObjectsState().local_records_exist = true;
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
    p.template Reference<TCustomNetInstallLocation>("NetLocation", &T::NetLocation, &T::SetNetLocation);
    p.Event("OnDataReceived", &T::OnDataReceived);
  });
  return info;
}

}  // namespace vorlan

#include "objects/file_container.h"

#include <algorithm>
#include <cmath>

#include "archive/vorlan_compress.h"
#include "base/file.h"
#include "base/run_then_finish.h"
#include "base/strings.h"
#include "objects/container_specifiers.h"
#include "objects/custom_install_file.h"
#include "objects/file_container_specifier.h"
#include "objects/install_engine.h"
#include "objects/objects_module.h"
#include "objects/parameters.h"
#include "objects/specifier_access.h"
#include "paths/custom_path_specifier.h"
#include "system/wait_cursor.h"

namespace vorlan {

TFileContainer::TFileContainer(TComponent* owner, int type_code, bool wants_companion)
    : TFileRelated(owner, type_code), wants_companion_(wants_companion) {
  if (wants_companion_) CreateCompanionSpecifier();
}

TFileContainer::~TFileContainer() {
  FreeFiles();
  if (companion_) {
    TCustomPathSpecifier* companion = std::exchange(companion_, nullptr);
    companion->RemoveFreeNotification(this);
    if (!companion->Destroying()) delete companion;
  }
}

void TFileContainer::CreateCompanionSpecifier() {
  if (!Owner()) return;
  auto* specifier = new TpsFileContainer(Owner());
  std::string name = "psFileContainer";
  for (int n = 1; Owner()->FindComponent(name); ++n) name = "psFileContainer" + std::to_string(n);
  specifier->SetName(name);
  specifier->SetFileContainer(this);
  SetCompanionSpecifier(specifier);
}

// The old companion keeps its link: it may still name this container and
// must hear when the container goes.
void TFileContainer::SetCompanionSpecifier(TCustomPathSpecifier* specifier) {
  companion_ = specifier;
  if (companion_) companion_->FreeNotification(this);
}

void TFileContainer::Notification(TComponent* component, TOperation operation) {
  TFileRelated::Notification(component, operation);
  if (operation == TOperation::opRemove && component && component == companion_) companion_ = nullptr;
}

int TFileContainer::FileCount() const { return ChildCountOf(TCustomInstallFile::StaticClassInfo()); }

TCustomInstallFile* TFileContainer::Files(int index) const {
  return static_cast<TCustomInstallFile*>(Comp(index, TCustomInstallFile::StaticClassInfo()));
}

std::vector<TCustomInstallFile*> TFileContainer::FileList() const {
  std::vector<TCustomInstallFile*> files;
  for (int i = 0; i < ChildCount(); ++i) {
    if (Children(i)->ClassInfo().InheritsFrom(TCustomInstallFile::StaticClassInfo())) {
      files.push_back(static_cast<TCustomInstallFile*>(Children(i)));
    }
  }
  return files;
}

bool TFileContainer::HasNetFiles() const {
  const std::vector<TCustomInstallFile*> files = FileList();
  return std::any_of(files.begin(), files.end(), [](TCustomInstallFile* file) { return file->Net(); });
}

TCustomInstallFile* TFileContainer::FindFile(const std::string& path) const {
  for (TCustomInstallFile* file : FileList()) {
    if (SameText(file->SourcePath(), path)) return file;
  }
  return nullptr;
}

int TFileContainer::FileContainerCount() const { return ChildCountOf(TFileContainer::StaticClassInfo()); }

TFileContainer* TFileContainer::FileContainers(int index) const {
  return static_cast<TFileContainer*>(Comp(index, TFileContainer::StaticClassInfo()));
}

void TFileContainer::Inform(int code, const TReport& report) {
  if (Container()) Container()->DoInformationEventControl(this, code, report);
}

int32_t TFileContainer::SizeOfFiles(bool all, bool recurse) {
  int64_t size = 0;
  for (int i = 0; i < ChildCount(); ++i) {
    TInstallObject* child = Children(i);
    if (!all && !child->WillInstall()) continue;
    if (auto* file = dynamic_cast<TCustomInstallFile*>(child)) {
      size += file->SourceSize();
    } else if (auto* container = dynamic_cast<TFileContainer*>(child); container && recurse) {
      size += container->TotalFilesSize(all);
    }
  }
  return static_cast<int32_t>(size);
}

int32_t TFileContainer::ArchiveSizeOfFiles(bool all) {
  int64_t size = 0;
  for (int i = 0; i < ChildCount(); ++i) {
    TInstallObject* child = Children(i);
    if (!all && !child->WillInstall()) continue;
    if (auto* file = dynamic_cast<TCustomInstallFile*>(child)) {
      size += file->PackedSize();
    } else if (auto* container = dynamic_cast<TFileContainer*>(child)) {
      size += container->ArchiveSizeOfFiles(all);
    }
  }
  return static_cast<int32_t>(size);
}

int32_t TFileContainer::PercentOfTotal(int32_t done) const {
  if (total_size_ == 0) return 0;
  return static_cast<int32_t>(std::nearbyint(static_cast<double>(done) / total_size_ * 100.0));
}

void TFileContainer::DoStatus(TCustomInstallFile* file, TFileStatusParameter& status) {
  on_status_(file, status.FilePercentDone, status.TotalPercentDone);
  Broadcast(this, stage::kFileProgress, {.file = file, .status = &status});
}

void TFileContainer::DoReplacing(TCustomInstallFile* file) {
  on_replacing_(file);
  Broadcast(this, stage::kReplacingFile, {.file = file});
}

void TFileContainer::DoNewDisk(TCustomInstallFile* file, TDiskParameter& disk) {
  if (!on_new_disk_) return;
  std::string path = disk.Path;
  on_new_disk_(file, disk.NewDisk, path);
  disk.Served = true;
  disk.Path = path;
}

void TFileContainer::DoInformationEventControl(TInstallContainer* /*sender*/, int code, const TReport& report) {
  if (state_ == ifsNone) return;
  HandleInformation(code, report);
  Inform(code, report);
}

namespace {
bool IsEmpty(const TReport& report) {
  return !report.file && !report.container && !report.status && !report.disk && !report.download && !report.message;
}
}  // namespace

void TFileContainer::HandleInformation(int code, const TReport& report) {
  if (IsEmpty(report)) throw IEFileContainer("%s got a nil PO parameter", Name());
  switch (code) {
    case info_code::kFileReplacing:
      if (!report.file) throw IEFileContainer("DoInformationEventControl parameter is not TInstallFile");
      return DoReplacing(report.file);
    case info_code::kInstallProgress:
    case info_code::kCompressProgress:
    case info_code::kCopyProgress:
      return HandleStatus(report);
    case info_code::kNextDisk:
      return HandleNewDisk(report);
    case info_code::kDownloadProgress:
      return HandleDownload(report);
    case info_code::kFileSkipped:
    case info_code::kFileFinished:
      return HandleFinishedFile(report);
    default:
      return;  // passed on only
  }
}

void TFileContainer::HandleStatus(const TReport& report) {
  if (!report.file) throw IEFileContainer("DoInformationEventControl says bad first parameter");
  TFileStatusParameter* status = report.status;
  if (!status) throw IEFileContainer("DoInformationEventControl says bad second parameter");
  status->TotalDone = done_size_ + status->BytesDone;
  status->TotalPercentDone = PercentOfTotal(status->TotalDone);
  DoStatus(report.file, *status);
  if (status->FileStats.Finished) done_size_ += status->FileStats.FileSize;
}

void TFileContainer::HandleFinishedFile(const TReport& report) {
  TCustomInstallFile* file = report.file;
  if (!file) throw IEFileContainer("DoInformationEventControl says bad first parameter");
  TFileStatusParameter status;
  status.BytesDone = file->SourceSize();
  status.FilePercentDone = 100;
  status.FileName = file->FileName();
  status.TotalDone = done_size_ + file->SourceSize();
  status.TotalPercentDone = PercentOfTotal(status.TotalDone);
  DoStatus(file, status);
  done_size_ += file->SourceSize();
}

void TFileContainer::HandleNewDisk(const TReport& report) {
  if (!report.file) throw IEFileContainer("DoInformationEventControl says bad %d parameter", 1);
  if (!report.disk) throw IEFileContainer("DoInformationEventControl says bad %d parameter", 2);
  DoNewDisk(report.file, *report.disk);
  Broadcast(this, stage::kNextDisk, report);
}

void TFileContainer::HandleDownload(const TReport& report) {
  TDownloadStatusParameter* download = report.download;
  if (!download) throw IEFileContainer("The PO object passed to %s is not a TDownloadStatusParameter object", Name());
  OnDataReceived()(this, download->FileName, download->Bytes, download->TotalBytes, download->FileSize, nullptr);
  Broadcast(this, stage::kDownloadProgress, report);
}

void TFileContainer::InstallObjects() {
  state_ = ifsInstall;
  TWaitCursor wait;
  auto finish = [this] {
    bool was_aborted = MainArchive().Abort();
    Broadcast(this, stage::kOperationEnded);
    if (fire_after_install_objects_) on_after_install_objects_(this, was_aborted);
    state_ = ifsNone;
  };
  RunThenFinish(
      [this] {
        std::string local;
        if (FindLocalArchive(local)) SetLocalArchivePath(local);
        ReadArchiveInfo();
        Broadcast(this, stage::kContainerStarts);
        Inform(info_code::kContainerStarts, {.container = this});
        total_size_ = TotalFilesSize(false);
        done_size_ = 0;
        on_before_install_objects_(this);
        TFileRelated::InstallObjects();
        Inform(info_code::kContainerEnds, {.container = this});
      },
      finish);
}

void TFileContainer::CopyFiles() {
  state_ = ifsCopying;
  auto finish = [this] {
    state_ = ifsNone;
    Broadcast(this, stage::kOperationEnded);
  };
  RunThenFinish(
      [this] {
        OnBeforeProcess()(this);
        if (!Include()) return;
        Inform(info_code::kContainerStarts, {.container = this});
        ReadInfoFromFiles();
        total_size_ = TotalFilesSize(false);
        done_size_ = 0;
        for (int i = 0; i < FileCount(); ++i) Files(i)->Copy();
        for (int i = 0; i < FileContainerCount(); ++i) FileContainers(i)->CopyFiles();
        OnAfterProcess()(this);
        Inform(info_code::kContainerEnds, {.container = this});
      },
      finish);
}

void TFileContainer::FreeFiles() {
  for (int i = FileCount() - 1; i >= 0; --i) delete Files(i);
}

void TFileContainer::ReadArchiveInfo() {
  TWaitCursor wait;
  for (TCustomInstallFile* file : FileList()) file->ReadInfoFromArchive();
  for (int i = 0; i < FileContainerCount(); ++i) FileContainers(i)->ReadArchiveInfo();
  SetArchiveInfoRead(true);
}

void TFileContainer::ReadInfoFromFiles() {
  for (TCustomInstallFile* file : FileList()) file->ReadInfoFromSource();
  for (int i = 0; i < FileContainerCount(); ++i) FileContainers(i)->ReadInfoFromFiles();
}

std::string TFileContainer::GetLocalArchivePath() {
  std::string path;
  if (!FindLocalArchive(path)) {
    throw IEFileContainer(
        "%s has not yet downloaded the archive file and therefore cannot retrieve the path of the archive file",
        Name());
  }
  return path;
}

void TFileContainer::DoOperation(TInstallFileState state) {
  try {
    switch (state) {
      case ifsCompress: Compress(0); break;
      case ifsInstall: Process(); break;
      case ifsCopying: CopyFiles(); break;
      case ifsReflect: state_ = ifsReflect; break;  // no authoring environment here to reflect to
      case ifsNone: break;
    }
  } catch (...) {
    state_ = ifsNone;
    throw;
  }
  state_ = ifsNone;
}

}  // namespace vorlan

namespace vorlan {

bool TFileContainer::HasFilesToDownload() {
  TInstallEngine* engine = TheInstall();
  if ((engine ? engine->DistributeType() : dtTraditionalNet) == dtTraditional) return false;
  for (TCustomInstallFile* file : FileList()) {
    if (file->Net() && file->Include() && !file->NetLocation()) return true;
  }
  return false;
}

namespace {

bool Has(TCompressOptions options, TCompressOption option) { return options & SetBit(option); }

void DeleteArchive(const TFileContainer& container, const std::string& path) {
  if (FileExists(path) && !DeleteFileAt(path)) {
    throw IEFileContainer("%s cannot delete the archive file %s", container.Name(), path);
  }
}

// A child's archive settings, put back after its build step.
struct TSavedArchiveSettings {
  explicit TSavedArchiveSettings(TFileRelated& child)
      : child(child),
        add_to_archive(child.AddToArchive()),
        archive_file(child.ArchiveFile()),
        archive_file_type(child.ArchiveFileType()),
        include(child.Include()) {}
  void Restore() {
    child.SetAddToArchive(add_to_archive);
    child.SetArchiveFileType(archive_file_type);
    child.SetArchiveFile(archive_file);
    child.SetInclude(include);
  }
  TFileRelated& child;
  TlzhCommand add_to_archive;
  std::string archive_file;
  TCustomPathSpecifier* archive_file_type;
  bool include;
};

// The path of a remote archive below the build directory.
std::string RemoteArchivePath(const std::string& build_dir, const TFileRelated& object) {
  return build_dir + "\\" + object.NetArchiveDir() + "\\" + object.Name() + ".1";
}

}  // namespace

void TFileContainer::Compress(TCompressOptions options) {
  if (Has(options, coForceNetFilesLocal) && Has(options, coForceFilesNet)) {
    throw IEFileContainer("Cannot pass both coForceNetFilesLocal and coForceFilesNet to Compress");
  }
  state_ = ifsCompress;
  auto finish = [this] {
    state_ = ifsNone;
    Broadcast(this, stage::kOperationEnded);
  };
  RunThenFinish(
      [this, options] {
        OnBeforeProcess()(this);
        if (Include()) CompressIncluded(options);
      },
      finish);
}

void TFileContainer::CompressIncluded(TCompressOptions options) {
  Inform(info_code::kContainerStarts, {.container = this});
  ReadInfoFromFiles();
  total_size_ = TotalFilesSize(Has(options, coIncludeAll));
  done_size_ = 0;
  std::string build_dir = RemoveBackslash(ExtractFileDir(GetArchivePath()));
  std::string remote_archive;
  try {
    remote_archive = RemoteArchivePath(build_dir, *this);
  } catch (const IEFileRel_NoNetLocation&) {
    if (!Has(options, coForceNetFilesLocal)) throw;
  }
  if (AddToArchive() == lzcOverwrite) DeleteArchive(*this, ChangeFileExt(GetArchivePath(), ".1"));
  if ((HasNetFiles() || (Has(options, coForceFilesNet) && FileCount() > 0)) && !remote_archive.empty()) {
    DeleteArchive(*this, remote_archive);
  }
  for (int i = 0; i < ChildCount(); ++i) {
    if (auto* child = dynamic_cast<TFileRelated*>(Children(i))) {
      CompressChild(*child, options, build_dir, remote_archive);
    }
  }
  OnAfterProcess()(this);
  Inform(info_code::kContainerEnds, {.container = this});
}

void TFileContainer::CompressChild(TFileRelated& child, TCompressOptions options, const std::string& build_dir,
                                   const std::string& remote_archive) {
  auto* file = dynamic_cast<TCustomInstallFile*>(&child);
  bool net = file && !Has(options, coForceNetFilesLocal) && (child.Net() || Has(options, coForceFilesNet));
  TSavedArchiveSettings saved(child);
  RunThenFinish(
      [&] {
        if (!child.Include() && Has(options, coIncludeAll)) child.SetInclude(true);
        ChooseChildArchive(child, net, options, build_dir, remote_archive);
        if (auto* container = dynamic_cast<TFileContainer*>(&child)) {
          container->Compress(options);
        } else if (file) {
          file->Compress();
        }
      },
      [&saved] { saved.Restore(); });
}

void TFileContainer::ChooseChildArchive(TFileRelated& child, bool net, TCompressOptions options,
                                        const std::string& build_dir, const std::string& remote_archive) {
  auto redirect = [&child](TlzhCommand command, const std::string& archive) {
    child.SetAddToArchive(command);
    child.SetArchiveFileType(nullptr);
    child.SetArchiveFile(archive);
  };
  TCustomPathSpecifier* type = child.ArchiveFileType();
  if (net && child.NetLocation()) {
    redirect(lzcOverwrite, RemoteArchivePath(build_dir, child));
  } else if (net) {
    auto& file = static_cast<TCustomInstallFile&>(child);
    redirect(lzcOnlyAdd, file.NeedsArchiveInfo() ? RemoteArchivePath(build_dir, child) : remote_archive);
  } else if (IsSpecifier<TpsContainerArchiveFile>(type)) {
    child.SetAddToArchive(lzcOnlyAdd);
  } else if (IsSpecifier<TpsInstallSource>(type)) {
    TInstallEngine* engine = TheInstall();
    auto* engine_object = engine ? dynamic_cast<TFileRelated*>(&engine->AsInstallObject()) : nullptr;
    std::string base = engine_object ? RemoveBackslash(ExtractFileDir(engine_object->GetArchivePath())) : build_dir;
    redirect(lzcOverwrite, base + child.ArchiveFile());
  } else if (Has(options, coArchivesToBuildDir)) {
    std::string after_colon;
    TextAfterColon(child.GetArchivePath(), after_colon);
    redirect(lzcOverwrite, build_dir + after_colon);
  }
}

const TClassInfo& TFileContainer::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TFileContainer, TFileRelated>("TFileContainer", [](auto& p) {
    using T = TFileContainer;
    p.String("Description", &T::Description, &T::SetDescription);
    p.Event("OnStatus", &T::OnStatus);
    p.Event("OnNewDisk", &T::OnNewDisk);
    p.Event("OnReplacing", &T::OnReplacing);
    p.Event("OnAfterInstallObjects", &T::OnAfterInstallObjects);
    p.Event("OnBeforeInstallObjects", &T::OnBeforeInstallObjects);
  });
  return info;
}

}  // namespace vorlan

// The file's operations: the install step with its extraction, the build's
// compression, the uncompressed copy and the reading of size, date and
// version.

#include <windows.h>
// The archive component's CopyFile, not the system's.
#undef CopyFile

#include <optional>

#include "archive/vorlan_compress.h"
#include "base/file.h"
#include "base/strings.h"
#include "objects/archive_cache.h"
#include "objects/custom_install_file.h"
#include "objects/install_engine.h"
#include "objects/main_archive_file.h"
#include "objects/objects_module.h"
#include "objects/parameters.h"
#include "system/version_info.h"
#include "system/version_resource.h"
#include "widgets/prompt.h"

namespace vorlan {

namespace {
constexpr const char* kDestinationBlank =
    "Cannot compress,copy, or install the following file because it's destination directory is blank. File is :%s";
constexpr const char* kArchiveBlank =
    "Cannot either compress or decompress the following file because it's archive file property is blank. File "
    "is :%s";

bool RemoteDistribution(const TCustomInstallFile& file) {
  TInstallEngine* engine = TheInstall();
  if (!engine) return false;
  return engine->DistributeType() == dtWeb || (engine->DistributeType() == dtTraditionalNet && file.Net());
}

// The recorded local copy of an object's archive, or empty.
std::string LocalArchiveOf(TFileRelated& object) {
  if (!Trim(object.LocalArchivePath()).empty()) return object.LocalArchivePath();
  std::string found;
  return object.FindLocalArchive(found) ? found : std::string();
}

// The archive component's events must not outlive the file they call.
void ClearArchiveEvents(TVorlanCompress& archive) {
  archive.SetOnNewDisk(nullptr);
  archive.SetOnStatus(nullptr);
  archive.SetOnAborted(nullptr);
}
}  // namespace

std::string TCustomInstallFile::EngineArchivePath() {
  TInstallEngine* engine = TheInstall();
  auto* root = engine ? dynamic_cast<TFileRelated*>(&engine->AsInstallObject()) : nullptr;
  return root ? root->GetArchivePath() : std::string();
}

std::string TCustomInstallFile::GetArchivePath() {
  if (!RemoteDistribution(*this) || state_ == ifsNone || state_ == ifsCompress || state_ == ifsCopying) {
    return TFileRelated::GetArchivePath();
  }
  if (state_ == ifsReflect) return {};
  if (NeedsArchiveInfo()) {
    if (std::string own = LocalArchiveOf(*this); !own.empty()) return own;
  }
  if (auto* container = dynamic_cast<TFileContainer*>(Container())) {
    if (std::string shared = LocalArchiveOf(*container); !shared.empty()) return shared;
  }
  return TFileRelated::GetArchivePath();
}

// ---- the install step ----

void TCustomInstallFile::InstallObjects() {
  replaced_at_reboot_ = false;
  try {
    Inform(info_code::kFileInstalling);
    on_before_install_(this);
  } catch (const EAbort&) {
    Inform(info_code::kFileSkipped);
    return;
  }
  if (Trim(GetDestinationPath()).empty()) throw IECustomInstallFile(kDestinationBlank, Name());
  std::optional<TExtractTarget> claimed = ClaimNewDestination();
  destination_claimed_ = claimed.has_value();
  will_copy_ = destination_claimed_ || DecideCopy();
  if (will_copy_) {
    try {
      ReplaceInUse();
    } catch (const EAbort&) {
      will_copy_ = false;
    }
  }
  destination_claimed_ = false;
  if (will_copy_) return ChooseArchiveAndExtract(std::move(claimed));
  // Declined while replacing: the empty file created for it goes again.
  claimed.reset();
  Inform(info_code::kFileFinished);
  FinishInstall();
}

// A file that is not there yet is always copied, whatever the overwrite
// rule would say of it, except that the ask rule asks even then. Creating
// it at once answers whether it was there with one lookup of its name, and
// the extraction writes into what was created.
std::optional<TExtractTarget> TCustomInstallFile::ClaimNewDestination() {
  if (overwrite_mode_ == owAsk) return std::nullopt;
  return TExtractTarget::Claim(GetInstalledPath());
}

bool TCustomInstallFile::DecideCopy() {
  switch (TVersionResource::IsFileNewer(source_version_, GetInstalledPath(), overwrite_mode_, source_date_)) {
    case fnrUnknown:
    case fnrNewer:
      return true;
    case fnrSame:
    case fnrOlder:
      return false;
    case fnrAsk:
      break;
  }
  // Unattended, the file on the machine stays.
  return Ask({Format(TranslateMessage("Copy This File %s?"), file_name_), TranslateMessage("Confirm"),
              MB_YESNO | MB_ICONQUESTION, IDNO}) == IDYES;
}

void TCustomInstallFile::FinishInstall() {
  AfterCopyRegistration();
  on_after_install_(this);
  Inform(info_code::kFileInstalled);
  TFileRelated::InstallObjects();
}

void TCustomInstallFile::ChooseArchiveAndExtract(std::optional<TExtractTarget> claimed) {
  std::string local;
  if (FindLocalArchive(local)) SetLocalArchivePath(local);
  std::optional<TVorlanCompress> own;
  TVorlanCompress* archive = nullptr;
  if (RemoteDistribution(*this)) {
    auto* container = dynamic_cast<TFileContainer*>(Container());
    if (NeedsArchiveInfo()) {
      DownloadArchive();
    } else if (container && !container->ArchiveIsLocal()) {
      container->DownloadArchive();
    }
  } else {
    std::string path = GetArchivePath();
    archive = SameText(path, EngineArchivePath()) ? &MainArchive() : &ArchiveFor(path);
  }
  if (!archive) archive = &own.emplace(nullptr);
  RunExtraction(*archive, std::move(claimed));
}

void TCustomInstallFile::RunExtraction(TVorlanCompress& archive, std::optional<TExtractTarget> claimed) {
  state_ = ifsInstall;
  try {
    PrepareExtraction();
    if (claimed) archive.SetClaimedTarget(std::move(*claimed));
    archive.SetCompressedFile(GetArchivePath());
    archive.SetExtractDirectory(GetDestinationPath());
    archive.SetTargetName(dest_name_);
    archive.SetOverwrite(overwrite_mode_);
    archive.SetOnAborted([this](TVorlanCompress&) { AbortInstall(); });
    archive.SetOnNewDisk([this](TVorlanCompress& a, int disk, std::string& path) { NewDiskHandler(a, disk, path); });
    archive.SetOnStatus([this](TVorlanCompress& a, TlzhFileStats& stats) { StatusHandler(a, stats); });
    archive.SetFilesToProcess({SourcePath()});
    archive.Extract();
    FinishInstall();
  } catch (...) {
    ClearArchiveEvents(archive);
    if (archive.Abort() && &archive != &MainArchive()) MainArchive().SetAbort(true);
    state_ = ifsNone;
    throw;
  }
  BroadcastEnded(archive);
}

// Creates the destination and checks the archive is named.
void TCustomInstallFile::PrepareExtraction() {
  ForceDestinationDirectories(GetDestinationPath());
  if (Trim(GetArchivePath()).empty()) throw IECustomInstallFile(kArchiveBlank, file_name_);
}

void TCustomInstallFile::BroadcastEnded(TVorlanCompress& archive) {
  ClearArchiveEvents(archive);
  if (archive.Abort()) MainArchive().SetAbort(true);
  try {
    Broadcast(this, stage::kOperationEnded);
  } catch (...) {
    archive.SetAbort(true);
    state_ = ifsNone;
    throw;
  }
  state_ = ifsNone;
}

void TCustomInstallFile::AbortInstall() { throw EAIUserAbort(); }

// ---- the archive component's events ----

void TCustomInstallFile::NewDiskHandler(TVorlanCompress& archive, int disk, std::string& path) {
  TDiskParameter parameter;
  parameter.NewDisk = disk;
  parameter.Path = RemoveBackslash(ExtractFileDir(GetArchivePath()));
  if (on_new_disk_) on_new_disk_(this, disk, parameter.Path);
  TReport report{.file = this, .disk = &parameter};
  Broadcast(this, stage::kNextDisk, report);
  Inform(info_code::kNextDisk, report);
  if (!on_new_disk_ && !parameter.Served) {
    // Unattended, no one can change the disk: the installation stops.
    int answer = Ask({Format(TranslateMessage("Please insert disk #%d"), disk), TranslateMessage("Information"),
                      MB_OKCANCEL | MB_ICONINFORMATION, IDCANCEL});
    archive.SetAbort(answer == IDCANCEL);
  }
  path = RemoveBackslash(parameter.Path);
  SetMainArchiveDiskDir(path);
}

void TCustomInstallFile::StatusHandler(TVorlanCompress& /*archive*/, TlzhFileStats& stats) {
  TFileStatusParameter parameter;
  parameter.BytesDone = stats.BytesDone;
  parameter.FilePercentDone = stats.FilePercentDone;
  parameter.FileName = file_name_;
  parameter.FileStats = stats;
  parameter.TotalDone = stats.TotalDone;
  parameter.TotalPercentDone = stats.TotalPercentDone;
  on_status_(this, parameter.FilePercentDone, parameter.TotalPercentDone);
  TReport report{.file = this, .status = &parameter};
  Broadcast(this, stage::kFileProgress, report);
  switch (state_) {
    case ifsInstall: Inform(info_code::kInstallProgress, report); break;
    case ifsCompress: Inform(info_code::kCompressProgress, report); break;
    case ifsCopying: Inform(info_code::kCopyProgress, report); break;
    default: break;
  }
}

// ---- build, copy and file information ----

void TCustomInstallFile::Compress() {
  state_ = ifsCompress;
  TVorlanCompress& archive = MainArchive();
  try {
    on_before_compress_(this);
    Inform(info_code::kFileCompressing);
    std::string path = GetArchivePath();
    if (Trim(path).empty()) throw IECustomInstallFile(kArchiveBlank, file_name_);
    if (Include()) {
      ForceDirectories(ExtractFileDir(path));
      archive.SetCompressedFile(path);
      archive.SetOnAborted([this](TVorlanCompress&) { AbortInstall(); });
      archive.SetOnStatus([this](TVorlanCompress& a, TlzhFileStats& stats) { StatusHandler(a, stats); });
      archive.SetFilesToProcess({SourcePath()});
      archive.Add(AddToArchive() == lzcOnlyAdd, unique_id_);
      compressed_in_build_ = true;
      on_after_compress_(this);
      Inform(info_code::kFileCompressed);
    }
  } catch (const EAbort&) {
  } catch (...) {
    ClearArchiveEvents(archive);
    state_ = ifsNone;
    throw;
  }
  BroadcastEnded(archive);
}

void TCustomInstallFile::Copy() {
  state_ = ifsCopying;
  TVorlanCompress& archive = MainArchive();
  try {
    on_before_copy_(this);
    Inform(info_code::kFileCopying);
    if (Include()) {
      if (Trim(GetDestinationPath()).empty()) throw IECustomInstallFile(kDestinationBlank, Name());
      ForceDestinationDirectories(GetDestinationPath());
      archive.SetOnStatus([this](TVorlanCompress& a, TlzhFileStats& stats) { StatusHandler(a, stats); });
      archive.CopyFile(SourcePath(), GetInstalledPath());
      on_after_copy_(this);
      Inform(info_code::kFileCopied);
    }
  } catch (const EAbort&) {
  } catch (...) {
    ClearArchiveEvents(archive);
    state_ = ifsNone;
    throw;
  }
  BroadcastEnded(archive);
}

void TCustomInstallFile::ReadInfoFromArchive() {
  TInstallEngine* engine = TheInstall();
  if (engine && engine->InProgress() && info_read_) return;
  std::string path;
  if (!RemoteDistribution(*this)) {
    path = GetArchivePath();
  } else {
    auto* container = dynamic_cast<TFileContainer*>(Container());
    if (!container) {
      throw IECustomInstallFile(
          "%s cannot perform ReadInfoFromArchive because either no container is assigned or the container is not "
          "TFileContainer",
          Name());
    }
    if (NeedsArchiveInfo()) path = LocalArchiveOf(*this);
    if (path.empty()) path = LocalArchiveOf(*container);
    if (path.empty()) return;
  }
  if (Trim(path).empty()) throw IECustomInstallFile(kArchiveBlank, file_name_);
  TVorlanCompress& archive = SameText(path, EngineArchivePath()) ? MainArchive() : ArchiveFor(path);
  archive.SetCompressedFile(path);
  int index = archive.IndexOfId(unique_id_);
  if (index < 0) return;
  TlzhFileStats stats;
  archive.GetFileStats(index, stats);
  SetSourceInfo(stats.Header.Size, stats.Header.ArchiveSize, stats.Header.Date, stats.Header.Version);
  info_read_ = true;
}

void TCustomInstallFile::ReadInfoFromSource() {
  std::string path = SourcePath();
  std::optional<TFileStream> stream = TFileStream::TryOpen(path, TFileMode::Read);
  if (!stream) {
    throw IECustomInstallFile("Could not open or find the following file when trying to read the Size, Date, and "
                              "Version :%s",
                              path);
  }
  int64_t size = stream->Size();
  TDateTime date = stream->LastWriteTime();
  stream->Close();
  SetSourceInfo(static_cast<int32_t>(size), packed_size_, date, FileVersionOf(path).substr(0, 20));
}

}  // namespace vorlan

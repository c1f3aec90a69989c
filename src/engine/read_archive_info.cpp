// The file information of the archives, read once per run before any page
// shows; a remote distribution's file list adds what the server holds.

#include <exception>
#include <vector>

#include "archive/remote_file_list.h"
#include "base/exceptions.h"
#include "base/file.h"
#include "base/run_then_finish.h"
#include "base/strings.h"
#include "engine/custom_install.h"
#include "engine/engine_errors.h"
#include "objects/custom_install_file.h"
#include "objects/net_install_location.h"
#include "objects/objects_module.h"
#include "system/system_dirs.h"
#include "system/wait_cursor.h"

namespace vorlan {
namespace {

constexpr const char* kRemoteFileList = "filelist.lst";

std::exception_ptr RemoteListError(const std::string& path) {
  return std::make_exception_ptr(IEInstall(engine_error::kRemoteListUnreadable, path));
}

// The whole list is read before any file takes its record, so a cut list
// changes no file.
void ApplyRemoteFileList(TCustomNetInstallLocation& location) {
  std::string local = CreateTempFileName(false);
  std::vector<TRemoteFileRecord> records;
  RunThenFinish(
      [&] {
        location.Download(kRemoteFileList, local);
        records = ReadRemoteFileList(local, RemoteListError);
      },
      [&local] { DeleteFileAt(local); });
  const std::vector<TCustomInstallFile*>& files = AllInstallFiles().Items();
  for (const TRemoteFileRecord& record : records) {
    for (TCustomInstallFile* file : files) {
      if (!SameText(file->Name(), record.Name)) continue;
      file->SetListedSourceInfo(record.SourceSize, record.SourceDate, record.SourceVersion);
      break;
    }
  }
}

}  // namespace

void TCustomInstall::ReadArchiveInfo() {
  if (ArchiveInfoRead()) return;
  on_before_read_archive_info_(this);
  Broadcast(this, stage::kBeforeReadArchiveInfo);
  {
    TWaitCursor wait;
    ShowStatus(engine_error::kReadingFileInformation);
    RunThenFinish(
        [this] {
          TFileContainer::ReadArchiveInfo();
          if (DistributeType() == dtTraditional) return;
          // A definition may name a remote distribution without saying where.
          if (!NetLocation()) throw IEInstallNetLocNil(engine_error::kNetLocationNeeded);
          ApplyRemoteFileList(*NetLocation());
        },
        [this] { ClearStatus(); });
  }
  SetArchiveInfoRead(true);
  on_after_read_archive_info_(this);
  Broadcast(this, stage::kAfterReadArchiveInfo);
}

}  // namespace vorlan

// Floppy transfer (-f): the self-extracting setup this program was started
// from, cut into its parts and spanned over disks.

#include <windows.h>

#include "archive/self_extract_info.h"
#include "archive/vorlan_compress.h"
#include "base/exceptions.h"
#include "base/file.h"
#include "base/scope_exit.h"
#include "base/strings.h"
#include "engine/build_cancelled.h"
#include "engine/chunk_copy.h"
#include "engine/custom_install.h"
#include "engine/distribution_build.h"
#include "engine/engine_errors.h"
#include "engine/floppy_transfer.h"
#include "engine/run_mode_end.h"
#include "objects/objects_module.h"
#include "system/wait_cursor.h"
#include "widgets/prompt.h"

namespace vorlan {

namespace {
// The arrow while the user has to act, the cursor before it afterwards.
class TArrowCursor {
 public:
  TArrowCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_ARROW))) {}
  ~TArrowCursor() { SetCursor(previous_); }
  TArrowCursor(const TArrowCursor&) = delete;
  TArrowCursor& operator=(const TArrowCursor&) = delete;

 private:
  HCURSOR previous_;
};

// Copies count bytes of executable from start into a new file on the disk.
void CopyOntoDisk(TFileStream& executable, int64_t start, int64_t count, const std::string& target,
                  const char* no_room) {
  TFileStream file(target, TFileMode::Create);
  executable.Seek(start, TSeekOrigin::Begin);
  if (CopyChunks(executable, file, count) < count) throw IEInstall(no_room);
}
}  // namespace

bool TFloppyTransfer::LocatesItsArchives(const SelfExtractInfo& info, int64_t size) {
  int64_t trailer = size - kSelfExtractTrailerSize;
  bool setup = 0 < info.SetupArchiveStart && info.SetupArchiveStart <= info.SetupArchiveEnd &&
               info.SetupArchiveEnd < trailer;
  bool files = info.FilesArchiveStart == 0
                   ? info.FilesArchiveEnd == 0
                   : info.SetupArchiveEnd < info.FilesArchiveStart && info.FilesArchiveStart <= info.FilesArchiveEnd &&
                         info.FilesArchiveEnd < trailer;
  return info.Signature == "SELFEXTRACTING" && setup && files;
}

void TFloppyTransfer::Transfer(const std::string& drive) {
  RunModeToEnd([&] {
    TWaitCursor busy;
    if (!engine_.HasSwitch(swSelfExtract)) throw IEInstall(engine_error::kFloppyNeedsSelfExtract);
    std::string executable = engine_.GetArchivePath();
    SelfExtractInfo info = ReadSelfExtractInfo(executable);
    // Any other record would put the wrong bytes on the disks without a word.
    if (!LocatesItsArchives(info, FileSizeOf(executable).value_or(0))) {
      throw IEInstall(engine_error::kNotSelfExtracting, executable);
    }
    CopySetupPart(executable, info, drive);
    if (info.FilesArchiveStart != 0) SpanFilesOntoFloppies(executable, drive, info.FilesArchiveStart);
  });
  // The loading program unpacked this program for the transfer alone: its
  // directory goes as it does after an installation, whatever the outcome.
  RunModeToEnd([this] { engine_.WriteCleanupBatch(); });
}

void TFloppyTransfer::CopySetupPart(const std::string& executable, const SelfExtractInfo& info,
                                    const std::string& drive) {
  engine_.ShowStatus(TranslateMessage(engine_error::kTransferring));
  TScopeExit clear([this] { engine_.ClearStatus(); });
  TFileStream source(executable, TFileMode::Read);
  std::string setup_exe = AddBackslash(drive) + "setup.exe";
  CopyOntoDisk(source, 0, info.SetupArchiveStart, setup_exe, engine_error::kFloppySetupExe);
  TDistributionBuild::AddNotSelfExtractInfo(setup_exe);
  CopyOntoDisk(source, info.SetupArchiveStart, int64_t{info.SetupArchiveEnd} - info.SetupArchiveStart + 1,
               AddBackslash(drive) + "setup.1", engine_error::kFloppySetupArchive);
}

void TFloppyTransfer::SpanFilesOntoFloppies(const std::string& executable, const std::string& drive,
                                            int32_t files_start) {
  TVorlanCompress& archive = MainArchive();
  // The shared archive must not read the next archive at this one's offset.
  TScopeExit reset([&archive, offset = archive.Offset()] {
    archive.SetOnNewDisk(nullptr);
    archive.SetOnStatus(nullptr);
    archive.SetOffset(offset);
  });
  archive.SetOnNewDisk([this](TVorlanCompress&, int disk, std::string&) { engine_.PromptForFloppy(disk); });
  // The span reports after every chunk, so a cancelled transfer stops at the
  // next one here, as the setup archive's copy does.
  archive.SetOnStatus([this](TVorlanCompress&, TlzhFileStats& stats) {
    const TBuildNotifications& notifications = engine_.BuildNotifications();
    if (notifications.floppy_progress) notifications.floppy_progress(engine_, stats);
    ProcessPendingMessages();
    CheckBuildCancelled();
  });
  archive.SetOffset(files_start);
  archive.SetCompressedFile(executable);
  // A directory read before at another offset would describe other bytes.
  archive.ReadHeaders();
  archive.Span(AddBackslash(drive), "files.1");
}

void TFloppyTransfer::PromptForFloppy(int disk) {
  TArrowCursor arrow;
  if (Ask({FormatTranslated(engine_error::kInsertDisk, {disk}), TranslateMessage("Confirm"),
           MB_OKCANCEL | MB_ICONQUESTION, IDCANCEL}) != IDOK) {
    throw IEInstall(engine_error::kAbortedByUser);
  }
}

}  // namespace vorlan

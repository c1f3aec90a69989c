// Copying single files uncompressed under the overwrite rule.

#include "archive/archive_exceptions.h"
#include "archive/archive_hooks.h"
#include "archive/vorlan_compress.h"
#include "base/format.h"
#include "base/scope_exit.h"

namespace vorlan {

void TVorlanCompress::CopyFile(const std::string& source, const std::string& destination) {
  abort_ = false;
  offset_ = 0;
  // A handler's choice applies to this copy only; left over, it would skip
  // or rename whatever the component handles next.
  skip_file_ = false;
  extract_directory_ = ExtractFileDir(destination);
  target_name_ = ExtractFileName(destination);
  TScopeExit cleanup([this] { target_name_.clear(); });
  std::string target = destination;
  if (FileExists(target)) {
    switch (IsFileNewerByName(source, target, overwrite_)) {
      case fnrUnknown:
        throw EVorlanCompress("Error comparing file versions in TVorlanCompress");
      case fnrSame:
      case fnrOlder:
        return;
      case fnrNewer:
      case fnrAsk: {
        TlzhFileStats empty;
        if (on_replace_) on_replace_(*this, empty);
        target = AddBackslash(extract_directory_) + target_name_;
        break;
      }
    }
  }
  if (skip_file_) return;
  CopyContents(source, target);
}

void TVorlanCompress::CopyContents(const std::string& source, const std::string& target) {
  auto input = TFileStream::TryOpen(source, TFileMode::Read);
  if (!input) throw EVorlanCompress(Format("Cannot open the file %s", source));
  stats_ = TlzhFileStats();
  stats_.FileName = source;
  int64_t size = input->Size();
  stats_.FileSize = stats_.TotalSize = Saturated32(size);
  TDateTime date = input->LastWriteTime();
  TExtractTarget out(target);
  if (out.Existing()) out.OpenBeside();
  bytes_done_ = 0;
  bool short_write = false;
  uint8_t chunk[kCopyChunk];
  for (;;) {
    // A stopped copy keeps nothing half-written in the destination's place.
    if (abort_) return;
    if (ArchiveBuildCancelled()) throw EUserAbortInstall();
    size_t count = input->Read(chunk, sizeof chunk);
    size_t written = WriteOrFull(out.Stream(), chunk, count);
    short_write = short_write || written < count;
    bytes_done_ += static_cast<int64_t>(written);
    stats_.BytesDone = stats_.TotalDone = Saturated32(bytes_done_);
    stats_.FilePercentDone = stats_.TotalPercentDone = PercentOf(bytes_done_, size);
    FireStatus();
    ArchiveProcessMessages();
    if (count < sizeof chunk) break;
  }
  // The bytes a full disk refused make the copy incomplete.
  if (short_write) throw EvcDiskFull();
  out.Commit(date);
  stats_.Finished = true;
  FireStatus();
}

}  // namespace vorlan

// The record at the end of a built setup executable that tells the loading
// program where the archives embedded in it lie, if any are.

#include <limits>

#include "archive/self_extract_info.h"
#include "base/exceptions.h"
#include "base/file.h"
#include "engine/chunk_copy.h"
#include "engine/distribution_build.h"
#include "engine/engine_errors.h"

namespace vorlan {

namespace {
struct TEmbeddedPart {
  int32_t start = 0;
  int32_t end = 0;  // inclusive
};

// Appends all of the file part to executable. The record holds 32-bit
// offsets, so an executable that grows past them cannot carry the part.
TEmbeddedPart AppendPart(TFileStream& executable, const std::string& part) {
  TFileStream source(part, TFileMode::Read);
  int64_t start = executable.Position();
  int64_t size = source.Size();
  int64_t end = start + size - 1;
  if (end > std::numeric_limits<int32_t>::max() || CopyChunks(source, executable, size) < size) {
    throw IEInstall(engine_error::kArchiveNotEmbedded, part, executable.Path());
  }
  return {static_cast<int32_t>(start), static_cast<int32_t>(end)};
}

void AppendRecord(TFileStream& executable, const SelfExtractInfo& info) {
  TSelfExtractInfoBytes bytes = EncodeSelfExtractInfo(info);
  if (executable.Write(bytes.data(), bytes.size()) < bytes.size()) {
    throw IEInstall(engine_error::kSelfExtractInfoNotAdded, executable.Path());
  }
}
}  // namespace

void TDistributionBuild::MakeStandAlone(const std::string& setup_exe, const std::string& setup_archive,
                                        const std::string& files_archive) {
  SelfExtractInfo info;
  info.Signature = "SELFEXTRACTING";
  TFileStream executable(setup_exe, TFileMode::ReadWrite);
  executable.Seek(0, TSeekOrigin::End);
  TEmbeddedPart setup = AppendPart(executable, setup_archive);
  info.SetupArchiveStart = setup.start;
  info.SetupArchiveEnd = setup.end;
  if (FileExists(files_archive)) {
    TEmbeddedPart files = AppendPart(executable, files_archive);
    info.FilesArchiveStart = files.start;
    info.FilesArchiveEnd = files.end;
  }
  AppendRecord(executable, info);
}

void TDistributionBuild::AddNotSelfExtractInfo(const std::string& setup_exe) {
  auto executable = TFileStream::TryOpen(setup_exe, TFileMode::ReadWrite);
  if (!executable) throw IEInstall(engine_error::kSelfExtractInfoNotAdded, setup_exe);
  executable->Seek(0, TSeekOrigin::End);
  SelfExtractInfo info;
  info.Signature = "NOTSELFEXTRACT";
  AppendRecord(*executable, info);
}

}  // namespace vorlan

#include "setup_archive.h"

#include <algorithm>

#include "base/file.h"
#include "base/format.h"
#include "base/strings.h"
#include "loader_error.h"
#include "setup_trailer.h"

namespace vorlan {

namespace {
constexpr const char* kSetupArchiveName = "setup.1";

std::string ReadTail(const std::string& path, int64_t& size) {
  auto stream = TFileStream::TryOpen(path, TFileMode::Read);
  if (!stream) throw ELoaderError(Format(loader_error::kReadFailed, path, LastErrorMessage()));
  size = stream->Size();
  int64_t length = std::min<int64_t>(size, kSelfExtractTrailerSize);
  std::string tail(static_cast<size_t>(length), '\0');
  stream->Seek(-length, TSeekOrigin::End);
  tail.resize(stream->Read(tail.data(), tail.size()));
  return tail;
}

}  // namespace

TSetupArchive FindSetupArchive(const std::string& loader_path) {
  int64_t size = 0;
  std::string tail = ReadTail(loader_path, size);
  TSetupTrailer trailer = ReadSetupTrailer(tail, size);
  if (trailer.Kind == TTrailerKind::tkDamaged) throw ELoaderError(Format(loader_error::kDamaged, loader_path));
  std::string checksum = trailer.Checksummed ? tail.substr(tail.size() - kChecksumSize) : std::string();
  if (trailer.Kind == TTrailerKind::tkEmbedded) {
    return {loader_path, trailer.Info.SetupArchiveStart, true, std::move(checksum)};
  }
  std::string beside = AddBackslash(ExtractFileDir(loader_path)) + kSetupArchiveName;
  if (!FileExists(beside)) throw ELoaderError(Format(loader_error::kNoSetupArchive, beside));
  return {beside, 0, false, std::move(checksum)};
}

}  // namespace vorlan

// Any end of a file reads as one of the four kinds; an embedded archive
// always lies inside the file, before its trailer, so the loader never
// reads outside what it checked. The first four bytes give how much of the
// file lies before the tail.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "setup_trailer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  uint32_t before = 0;
  std::memcpy(&before, data, 4);
  std::string_view tail(reinterpret_cast<const char*>(data + 4), size - 4);
  int64_t file_size = static_cast<int64_t>(tail.size()) + (before & 0x7FFFFFF);
  vorlan::TSetupTrailer trailer = vorlan::ReadSetupTrailer(tail, file_size);
  if (trailer.Checksummed && tail.size() < vorlan::kChecksumSize) std::abort();
  if (trailer.Kind == vorlan::TTrailerKind::tkEmbedded) {
    const vorlan::SelfExtractInfo& info = trailer.Info;
    int64_t data_end = file_size - 56 - (trailer.Checksummed ? 40 : 0);
    if (info.SetupArchiveStart <= 0 || info.SetupArchiveEnd < info.SetupArchiveStart ||
        info.SetupArchiveEnd >= data_end) {
      std::abort();
    }
    bool no_files = info.FilesArchiveStart == 0 && info.FilesArchiveEnd == 0;
    if (!no_files && (info.FilesArchiveStart <= info.SetupArchiveEnd || info.FilesArchiveEnd < info.FilesArchiveStart ||
                      info.FilesArchiveEnd >= data_end)) {
      std::abort();
    }
  }
  return 0;
}

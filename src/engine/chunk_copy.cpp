#include "engine/chunk_copy.h"

#include <algorithm>
#include <array>

#include "engine/build_cancelled.h"
#include "engine/run_mode_end.h"

namespace vorlan {

int64_t CopyChunks(TFileStream& source, TFileStream& target, int64_t count) {
  std::array<uint8_t, kBuildCopyChunk> chunk;
  int64_t copied = 0;
  while (copied < count) {
    CheckBuildCancelled();
    size_t wanted = static_cast<size_t>(std::min<int64_t>(count - copied, chunk.size()));
    size_t read = source.Read(chunk.data(), wanted);
    if (read == 0) break;
    size_t written = target.Write(chunk.data(), read);
    copied += static_cast<int64_t>(written);
    ProcessPendingMessages();
    if (written < read) break;
  }
  return copied;
}

}  // namespace vorlan

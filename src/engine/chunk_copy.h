#pragma once
// Copying a stretch of one open file into another in the build's chunks,
// stoppable by BuildCancelled.

#include <cstddef>
#include <cstdint>

#include "base/file.h"

namespace vorlan {

inline constexpr size_t kBuildCopyChunk = 8192;

// Copies up to count bytes from source's position to target's, one chunk at
// a time: before each chunk a cancelled build raises EUserAbortInstall,
// after each the user interface handles its messages. Stops at the end of
// source or at a write that falls short (a full disk); answers the bytes
// written.
int64_t CopyChunks(TFileStream& source, TFileStream& target, int64_t count);

}  // namespace vorlan

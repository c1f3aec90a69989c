#pragma once
// What the archive needs from the layers above it, set by them at start-up.
// Each hook is empty until set, and an empty hook means: no version
// resource, no user interface to serve, no build running.

#include <functional>
#include <string>

namespace vorlan {

// The FileVersion text of a file's version resource, empty when it has none.
using TVersionReader = std::function<std::string(const std::string& path)>;
void SetArchiveVersionReader(TVersionReader reader);
std::string ReadArchiveFileVersion(const std::string& path);

// Lets the user interface process its pending messages during long loops.
using TProcessMessages = std::function<void()>;
void SetArchiveProcessMessages(TProcessMessages process);
void ArchiveProcessMessages();

// Tells whether the user cancelled a build (stops a copy for a build).
using TBuildCancelledQuery = std::function<bool()>;
void SetArchiveBuildCancelledQuery(TBuildCancelledQuery query);
bool ArchiveBuildCancelled();

}  // namespace vorlan

#pragma once
// The archive components of the archives other than the engine's: one per
// archive file for the whole run, so each reads its archive's directory
// once instead of once for every member installed from it.

#include <string>

namespace vorlan {

class ProgramScope;
class TVorlanCompress;

void RegisterArchiveCache(ProgramScope& scope);

// The component for the archive at path. A file that changed since its
// component read it (a new download under the same name) gets a new one.
TVorlanCompress& ArchiveFor(const std::string& path);

// Closes the archive files that MainArchive and the cached components keep
// open between members, once the files are installed: the run deletes
// downloaded archives, and the setup's own may be erased after it.
void ReleaseArchiveFiles();

}  // namespace vorlan

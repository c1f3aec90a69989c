#include "archive/archive_hooks.h"

#include <utility>

namespace vorlan {

namespace {
TVersionReader& VersionReader() {
  static TVersionReader reader;
  return reader;
}
TProcessMessages& ProcessMessages() {
  static TProcessMessages process;
  return process;
}
TBuildCancelledQuery& BuildCancelledQuery() {
  static TBuildCancelledQuery query;
  return query;
}
}  // namespace

void SetArchiveVersionReader(TVersionReader reader) { VersionReader() = std::move(reader); }

std::string ReadArchiveFileVersion(const std::string& path) {
  return VersionReader() ? VersionReader()(path) : std::string();
}

void SetArchiveProcessMessages(TProcessMessages process) { ProcessMessages() = std::move(process); }

void ArchiveProcessMessages() {
  if (ProcessMessages()) ProcessMessages()();
}

void SetArchiveBuildCancelledQuery(TBuildCancelledQuery query) { BuildCancelledQuery() = std::move(query); }

bool ArchiveBuildCancelled() { return BuildCancelledQuery() && BuildCancelledQuery()(); }

}  // namespace vorlan

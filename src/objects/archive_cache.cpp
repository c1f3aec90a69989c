#include "objects/archive_cache.h"

#include <map>
#include <memory>
#include <optional>

#include "archive/vorlan_compress.h"
#include "base/date_time.h"
#include "base/file.h"
#include "base/strings.h"
#include "component/program_scope.h"
#include "objects/objects_module.h"

namespace vorlan {

namespace {
struct TCachedArchive {
  std::optional<int64_t> size;
  std::optional<TDateTime> date;
  std::unique_ptr<TVorlanCompress> archive;
};

struct TArchiveCache {
  // Keyed by the upper-case path: Windows names are not case-sensitive.
  std::map<std::string, TCachedArchive> archives;
};
}  // namespace

void RegisterArchiveCache(ProgramScope& scope) { scope.Emplace<TArchiveCache>(); }

TVorlanCompress& ArchiveFor(const std::string& path) {
  TCachedArchive& cached = ProgramScope::Current().Get<TArchiveCache>().archives[UpperCase(path)];
  std::optional<int64_t> size = FileSizeOf(path);
  std::optional<TDateTime> date = FileLastWriteTime(path);
  if (!cached.archive || size != cached.size || date != cached.date) {
    cached.archive = std::make_unique<TVorlanCompress>(nullptr);
    cached.size = size;
    cached.date = date;
  }
  return *cached.archive;
}

void ReleaseArchiveFiles() {
  MainArchive().ReleaseArchive();
  for (auto& [path, cached] : ProgramScope::Current().Get<TArchiveCache>().archives) {
    if (cached.archive) cached.archive->ReleaseArchive();
  }
}

}  // namespace vorlan

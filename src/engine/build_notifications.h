#pragma once
// What an authoring tool hears while the engine builds or transfers to
// floppies. Assigned by the tool, never stored with a definition; a setup
// program leaves them empty.

#include <functional>

#include "archive/file_stats.h"

namespace vorlan {

class TCustomInstall;

struct TBuildNotifications {
  using TStep = std::function<void(TCustomInstall& install)>;
  using TProgress = std::function<void(TCustomInstall& install, const TlzhFileStats& stats)>;

  TStep before_setup_archive, after_setup_archive;
  // Around the copy of the installation program itself, in a build without
  // the loading program.
  TStep before_program_copy, after_program_copy;
  TStep after_loader_files;
  TStep after_product_archives;
  TStep before_stand_alone, after_stand_alone;
  TProgress floppy_progress;
};

// Calls a step that is assigned.
inline void Notify(const TBuildNotifications::TStep& step, TCustomInstall& install) {
  if (step) step(install);
}

}  // namespace vorlan

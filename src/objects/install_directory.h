#pragma once
// TInstallDirectory: a plain file container with a destination.

#include "objects/file_container.h"

namespace vorlan {

class TInstallDirectory : public TFileContainer {
  VORLAN_CLASS_INFO()

 public:
  explicit TInstallDirectory(TComponent* owner);

  // Removes and destroys, last first, the child files whose source is gone.
  void RemoveMissingFiles();
};

}  // namespace vorlan

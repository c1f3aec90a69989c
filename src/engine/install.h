#pragma once
// TInstall: the engine as a definition holds it; it only exposes the
// properties of TCustomInstall.

#include "engine/custom_install.h"

namespace vorlan {

class TInstall : public TCustomInstall {
  VORLAN_CLASS_INFO()

 public:
  using TCustomInstall::TCustomInstall;
};

}  // namespace vorlan

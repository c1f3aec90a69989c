#pragma once
// The errors of the archive component. Their texts are not translated.

#include "base/exceptions.h"

namespace vorlan {

VORLAN_EXCEPTION(EVorlanCompress, EVorlanAbnormal);

class EvcDiskFull : public EVorlanCompress {
 public:
  EvcDiskFull() : EVorlanCompress("The disk is full") {}
};

class EvcAborted : public EVorlanCompress {
 public:
  EvcAborted() : EVorlanCompress("Operation aborted by user") {}
};

}  // namespace vorlan

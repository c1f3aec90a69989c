#pragma once
// TStandardPathSpecifier: the base of every built-in specifier. Its
// instances are listed in StandardPathSpecifiers as well.

#include "paths/custom_path_specifier.h"

namespace vorlan {

class TStandardPathSpecifier : public TCustomPathSpecifier {
  VORLAN_CLASS_INFO()

 public:
  explicit TStandardPathSpecifier(TComponent* owner);
  ~TStandardPathSpecifier() override;
};

}  // namespace vorlan

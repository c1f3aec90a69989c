#pragma once
// TpsObjectLink (psObjectLink): the installed path of the object a shortcut
// points at. Only shortcuts use it: each one brings the instance onto its
// form, so it is no registered specifier class.

#include "paths/standard_path_specifier.h"

namespace vorlan {

class TpsObjectLink : public TStandardPathSpecifier {
  VORLAN_CLASS_INFO()

 public:
  explicit TpsObjectLink(TComponent* owner);
  void CheckObject(TInstallContainer* object) override;
  std::string GetDescription() override;
  std::string GetDisplayName() override;
  std::string GetPath(TInstallContainer* object) override;
};

}  // namespace vorlan

#pragma once
// TPathSpecifier: a root the author of a definition defines; its path is
// whatever the OnGetPath handler answers. Never created automatically.

#include <string>

#include "paths/custom_path_specifier.h"

namespace vorlan {

class TPathSpecifier : public TCustomPathSpecifier {
  VORLAN_CLASS_INFO()

 public:
  explicit TPathSpecifier(TComponent* owner) : TCustomPathSpecifier(owner) {}

  const std::string& Description() const { return description_; }
  void SetDescription(const std::string& value) { description_ = value; }

  std::string GetDescription() override { return description_; }
  std::string GetDisplayName() override { return description_; }

 private:
  std::string description_ = "My cool new path specifier";
};

}  // namespace vorlan

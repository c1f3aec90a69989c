#include "objects/specifier_access.h"

#include "component/component.h"
#include "paths/ensure_path_specifier.h"

namespace vorlan {

void EnsureFormSpecifiers(TComponent* owner) {
  if (owner && owner->IsForm() && FindAllPathSpecifiers()) EnsurePathSpecifiers(owner);
}

}  // namespace vorlan

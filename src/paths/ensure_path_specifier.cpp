#include "paths/ensure_path_specifier.h"

#include <memory>

#include "component/class_info.h"
#include "paths/custom_path_specifier.h"
#include "paths/path_exceptions.h"
#include "paths/path_specifier_class_list.h"
#include "paths/path_specifier_list.h"

namespace vorlan {

void EnsurePathSpecifier(const TClassInfo& info, TComponent* owner, bool check_existing) {
  if (check_existing && AllPathSpecifiers().FindInstanceOf(info)) return;
  std::unique_ptr<TComponent> created(info.Create(owner));
  auto* specifier = dynamic_cast<TCustomPathSpecifier*>(created.get());
  if (!specifier) throw IEPathSpecifier("%s is not a path specifier class", info.Name());
  // A form that holds another component under the default name keeps it;
  // the new instance goes again rather than stay without a name.
  specifier->SetName(specifier->DefaultName());
  created.release();
}

void EnsurePathSpecifiers(TComponent* owner) {
  if (!owner) return;
  const TPathSpecifierClassList& classes = PathSpecifierClasses();
  for (int i = 0; i < classes.Count(); ++i) EnsurePathSpecifier(classes.Items(i), owner, true);
}

}  // namespace vorlan

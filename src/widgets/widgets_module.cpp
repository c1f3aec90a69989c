#include "widgets/widgets_module.h"

#include "component/class_registry.h"
#include "component/program_scope.h"
#include "widgets/main_form.h"

namespace vorlan {

void RegisterWidgetsModule(ProgramScope& scope) {
  if (scope.Find<TWidgetsState>()) return;
  scope.Emplace<TWidgetsState>();
  Classes().Register(TMainForm::StaticClassInfo());
}

TWidgetsState& WidgetsState() { return ProgramScope::Current().Get<TWidgetsState>(); }

}  // namespace vorlan

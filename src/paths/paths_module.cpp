#include "paths/paths_module.h"

#include "component/class_info.h"
#include "component/class_registry.h"
#include "component/program_scope.h"
#include "paths/folder_specifiers.h"
#include "paths/path_specifier.h"
#include "paths/path_specifier_class_list.h"
#include "paths/path_specifier_list.h"

namespace vorlan {

void RegisterPathsModule(ProgramScope& scope) {
  scope.Emplace<TPathSpecifierList>();
  scope.Emplace<TStandardPathSpecList>();
  TPathSpecifierClassList& specifiers = scope.Emplace<TPathSpecifierClassList>();
  TClassRegistry& classes = scope.Get<TClassRegistry>();

  classes.Register(TCustomPathSpecifier::StaticClassInfo());
  classes.Register(TStandardPathSpecifier::StaticClassInfo());
  classes.Register(TPathSpecifier::StaticClassInfo());
  // The order is the order in which a form receives its instances.
  for (const TClassInfo* info : {
           &TpsBDEDLL::StaticClassInfo(),
           &TpsCommonFiles::StaticClassInfo(),
           &TpsDesktopMenu::StaticClassInfo(),
           &TpsProgramFiles::StaticClassInfo(),
           &TpsProgramMenu::StaticClassInfo(),
           &TpsStartMenu::StaticClassInfo(),
           &TpsStartupMenu::StaticClassInfo(),
           &TpsSystem::StaticClassInfo(),
           &TpsWindow::StaticClassInfo(),
       }) {
    classes.Register(*info);
    specifiers.RegisterPathSpecifierClass(info);
  }
}

}  // namespace vorlan

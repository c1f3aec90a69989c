#include "paths/paths_module.h"

#include "component/class_info.h"
#include "component/class_registry.h"
#include "component/program_scope.h"
#include "paths/folder_specifiers.h"
#include "paths/office_folder_specifiers.h"
#include "paths/path_specifier.h"
#include "paths/path_specifier_class_list.h"
#include "paths/path_specifier_list.h"
#include "paths/windows_folder_specifiers.h"

namespace vorlan {

void RegisterPathsModule(ProgramScope& scope) {
  if (scope.Find<TPathSpecifierList>()) return;
  scope.Emplace<TPathSpecifierList>();
  scope.Emplace<TStandardPathSpecList>();
  scope.Emplace<TPathSpecifierClassList>();
  TClassRegistry& classes = scope.Get<TClassRegistry>();
  classes.Register(TCustomPathSpecifier::StaticClassInfo());
  classes.Register(TStandardPathSpecifier::StaticClassInfo());
  classes.Register(TPathSpecifier::StaticClassInfo());
}

void RegisterPathSpecifierClasses(const TTreeSpecifierClasses& tree) {
  TClassRegistry& classes = Classes();
  TPathSpecifierClassList& specifiers = PathSpecifierClasses();
  for (const TClassInfo* info : {
           &TpsBDEDLL::StaticClassInfo(),
           &TpsCommonFiles::StaticClassInfo(),
           tree.container_archive_file,
           tree.container_dest_dir,
           &TpsDesktopMenu::StaticClassInfo(),
           tree.install_source,
           tree.main_install,
           &TpsProgramFiles::StaticClassInfo(),
           &TpsProgramMenu::StaticClassInfo(),
           &TpsStartMenu::StaticClassInfo(),
           &TpsStartupMenu::StaticClassInfo(),
           &TpsSystem::StaticClassInfo(),
           tree.main_archive_file,
           &TpsWindow::StaticClassInfo(),
           // The Windows folders, then the office suite's.
           &TpsPrinters::StaticClassInfo(),
           &TpsRecent::StaticClassInfo(),
           &TpsSendTo::StaticClassInfo(),
           &TpsStartup::StaticClassInfo(),
           &TpsControlPanel::StaticClassInfo(),
           &TpsFavorites::StaticClassInfo(),
           &TpsBitBucket::StaticClassInfo(),
           &TpsCookies::StaticClassInfo(),
           &TpsCommonAltStartup::StaticClassInfo(),
           &TpsCommonStartup::StaticClassInfo(),
           &TpsCommonDesktopDirectory::StaticClassInfo(),
           &TpsCommonFavorites::StaticClassInfo(),
           &TpsCommonPrograms::StaticClassInfo(),
           &TpsCommonStartMenu::StaticClassInfo(),
           &TpsQuickLaunchMenu::StaticClassInfo(),
           &TpsOfficeUserTemplates::StaticClassInfo(),
           &TpsOfficeWorkgroupTemplates::StaticClassInfo(),
           &TpsOfficeClipartDirectory::StaticClassInfo(),
           &TpsOfficeStartupDirectory::StaticClassInfo(),
           &TpsOfficeToolsDirectory::StaticClassInfo(),
           &TpsOfficeFavoritesDirectory::StaticClassInfo(),
       }) {
    if (!info) continue;
    classes.Register(*info);
    specifiers.RegisterPathSpecifierClass(info);
  }
}

}  // namespace vorlan

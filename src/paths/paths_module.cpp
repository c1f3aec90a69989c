#include "paths/paths_module.h"

#include "component/class_info.h"
#include "component/class_registry.h"
#include "component/program_scope.h"
#include "paths/container_specifiers.h"
#include "paths/file_container_specifier.h"
#include "paths/folder_specifiers.h"
#include "paths/main_archive_file.h"
#include "paths/office_folder_specifiers.h"
#include "paths/path_specifier.h"
#include "paths/path_specifier_class_list.h"
#include "paths/path_specifier_list.h"
#include "paths/windows_folder_specifiers.h"

namespace vorlan {

namespace {
struct TNameClashCounter {
  int last = 0;
};
}  // namespace

void RegisterPathsModule(ProgramScope& scope) {
  scope.Emplace<TNameClashCounter>();
  scope.Emplace<TPathSpecifierList>();
  scope.Emplace<TStandardPathSpecList>();
  TPathSpecifierClassList& specifiers = scope.Emplace<TPathSpecifierClassList>();
  TClassRegistry& classes = scope.Get<TClassRegistry>();

  classes.Register(TCustomPathSpecifier::StaticClassInfo());
  classes.Register(TStandardPathSpecifier::StaticClassInfo());
  classes.Register(TPathSpecifier::StaticClassInfo());
  classes.Register(TpsFileContainer::StaticClassInfo());
  // The order is the order in which a form receives its instances.
  for (const TClassInfo* info : {
           &TpsBDEDLL::StaticClassInfo(),
           &TpsCommonFiles::StaticClassInfo(),
           &TpsContainerArchiveFile::StaticClassInfo(),
           &TpsContainerDestDir::StaticClassInfo(),
           &TpsDesktopMenu::StaticClassInfo(),
           &TpsInstallSource::StaticClassInfo(),
           &TpsMainInstall::StaticClassInfo(),
           &TpsProgramFiles::StaticClassInfo(),
           &TpsProgramMenu::StaticClassInfo(),
           &TpsStartMenu::StaticClassInfo(),
           &TpsStartupMenu::StaticClassInfo(),
           &TpsSystem::StaticClassInfo(),
           &TpsMainArchiveFile::StaticClassInfo(),
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
    classes.Register(*info);
    specifiers.RegisterPathSpecifierClass(info);
  }
}

int NextNameClash() { return ++ProgramScope::Current().Get<TNameClashCounter>().last; }

}  // namespace vorlan

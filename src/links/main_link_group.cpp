#include "links/main_link_group.h"

#include "links/links_module.h"
#include "objects/install_engine.h"
#include "paths/folder_specifiers.h"
#include "paths/path_specifier_list.h"

namespace vorlan {

namespace {
TCustomPathSpecifier* ProgramMenu() {
  TStandardPathSpecList* standard = FindStandardPathSpecifiers();
  return standard ? standard->FindInstanceOf(TpsProgramMenu::StaticClassInfo()) : nullptr;
}

// Refuses a second folder before anything of this one is built.
TComponent* CheckSingle(TComponent* owner) {
  if (MainLinkGroup()) throw IEShellLinkGroup("You can only have one TMainLinkGroup component in your project");
  return owner;
}
}  // namespace

TMainLinkGroup::TMainLinkGroup(TComponent* owner) : TCustomShellLinkGroup(CheckSingle(owner)) {
  SetDestDirType(nullptr);
  TInstallEngine* engine = TheInstall();
  SetDestDir(engine ? "\\" + engine->ProductName() : "\\MainFolderName");
  SetMainLinkGroup(this);
}

TMainLinkGroup::~TMainLinkGroup() {
  if (MainLinkGroup() == this) SetMainLinkGroup(nullptr);
}

void TMainLinkGroup::SetDestDirType(TCustomPathSpecifier*) { TCustomShellLinkGroup::SetDestDirType(ProgramMenu()); }

const TClassInfo& TMainLinkGroup::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TMainLinkGroup, TCustomShellLinkGroup>("TMainLinkGroup");
  return info;
}

}  // namespace vorlan

#include "links/links_module.h"

#include "component/class_registry.h"
#include "component/program_scope.h"
#include "links/custom_install_shell_link.h"
#include "links/custom_shell_link_group.h"
#include "links/install_main_link.h"
#include "links/install_shell_link.h"
#include "links/main_link_group.h"
#include "links/ps_object_link.h"
#include "objects/objects_module.h"

namespace vorlan {

namespace {
struct TLinksState {
  TMainLinkGroup* main_link_group = nullptr;
};
struct TAllShellLinks : TInstallShellLinkList {};
struct TMainLinks : TInstallShellLinkList {};

template <typename T>
T* FindInScope() {
  return ProgramScope::Exists() ? ProgramScope::Current().Find<T>() : nullptr;
}
}  // namespace

void RegisterLinksModule(ProgramScope& scope) {
  if (scope.Find<TLinksState>()) return;
  RegisterObjectsModule(scope);
  scope.Emplace<TLinksState>();
  scope.Emplace<TAllShellLinks>();
  scope.Emplace<TMainLinks>();
  scope.Emplace<TShellLinkGroupList>();
  TClassRegistry& classes = scope.Get<TClassRegistry>();
  // Known to the reader only: a form receives psObjectLink from its first
  // shortcut, not with the registered specifiers.
  classes.Register(TpsObjectLink::StaticClassInfo());
  classes.Register(TCustomShellLinkGroup::StaticClassInfo());
  classes.Register(TMainLinkGroup::StaticClassInfo());
  classes.Register(TCustomInstallShellLink::StaticClassInfo());
  classes.Register(TInstallShellLink::StaticClassInfo());
  classes.Register(TInstallMainLink::StaticClassInfo());
}

TInstallShellLinkList* AllShellLinks() { return FindInScope<TAllShellLinks>(); }
TInstallShellLinkList* MainLinks() { return FindInScope<TMainLinks>(); }

TMainLinkGroup* MainLinkGroup() {
  TLinksState* state = FindInScope<TLinksState>();
  return state ? state->main_link_group : nullptr;
}

void SetMainLinkGroup(TMainLinkGroup* group) {
  if (TLinksState* state = FindInScope<TLinksState>()) state->main_link_group = group;
}

}  // namespace vorlan

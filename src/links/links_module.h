#pragma once
// The process-wide state of the program-menu folders and shortcuts, created
// by RegisterLinksModule and torn down with the ProgramScope.

#include "objects/install_lists.h"
#include "links/link_exceptions.h"

namespace vorlan {

class ProgramScope;
class TCustomInstallShellLink;
class TCustomShellLinkGroup;
class TMainLinkGroup;

class TInstallShellLinkList : public TReferenceList<TCustomInstallShellLink, IEInstallShellLinkList> {
 public:
  TInstallShellLinkList() : TReferenceList("TInstallShellLinkList") {}
  void Add(TCustomInstallShellLink* link) {
    if (!link) throw IEInstallShellLinkList("Cannot add a blank entry to the shell link list");
    TReferenceList::Add(link);
  }
};

// Created and freed with the other lists; nothing is put in it.
class TShellLinkGroupList : public TReferenceList<TCustomShellLinkGroup, IEShellLinkGroup> {
 public:
  TShellLinkGroupList() : TReferenceList("TShellLinkGroupList") {}
};

// Sets up the objects and paths modules when missing, then MainLinkGroup,
// AllShellLinks, MainLinks and the folder list, and registers the link
// classes with the class registry.
void RegisterLinksModule(ProgramScope& scope);

// None when no scope holds the lists, so objects made outside one stay
// unrecorded.
TInstallShellLinkList* AllShellLinks();
TInstallShellLinkList* MainLinks();
TMainLinkGroup* MainLinkGroup();
void SetMainLinkGroup(TMainLinkGroup* group);

}  // namespace vorlan

#include "objects/container_specifiers.h"

#include "base/format.h"
#include "base/strings.h"
#include "component/class_info.h"
#include "objects/file_container.h"
#include "objects/install_engine.h"
#include "objects/install_group.h"
#include "paths/path_exceptions.h"

namespace vorlan {

namespace {

std::string NameOf(const TComponent* object) { return object ? object->Name() : std::string(); }

// The object as a member of the tree; raises for anything else.
TInstallObject& TreeMember(TInstallContainer* object, const char* specifier) {
  auto* member = dynamic_cast<TInstallObject*>(object);
  if (!member) {
    throw IEPathSpecifier("%s must be a %s to use the %s path specifier", NameOf(object), "TInstallObject",
                          specifier);
  }
  return *member;
}

bool IsEngine(const TInstallContainer* container) {
  TInstallEngine* engine = TheInstall();
  return engine && container == &engine->AsInstallObject();
}

}  // namespace

void RequireEngine(TInstallContainer* object) {
  if (!TheInstall()) {
    throw IEPathSpecifier("There is no TInstall component so the path specifier could not be expanded for %s",
                          NameOf(object));
  }
}

TpsContainerArchiveFile::TpsContainerArchiveFile(TComponent* owner) : TStandardPathSpecifier(owner) {
  SetDefaultName("psContainerArchiveFile");
}

void TpsContainerArchiveFile::CheckObject(TInstallContainer* object) {
  TInstallObject& member = TreeMember(object, "psContainerArchiveFile");
  if (!member.Container()) {
    throw IEPathSpecifier("Cannot use ddContainerArchiveFile for %s unless you assign a Container", member.Name());
  }
  if (!dynamic_cast<TFileRelated*>(member.Container())) {
    throw IEPathSpecifier(
        "Cannot use the ddContainerArchiveFile path specifier for %s because the Container is not a TFileRelated "
        "descendant",
        member.Name());
  }
}

std::string TpsContainerArchiveFile::GetDescription() { return "Path to the archive file of the container"; }
std::string TpsContainerArchiveFile::GetDisplayName() { return "Container archive file"; }

std::string TpsContainerArchiveFile::GetPath(TInstallContainer* object) {
  CheckObject(object);
  auto& container = static_cast<TFileRelated&>(*static_cast<TInstallObject*>(object)->Container());
  return RemoveBackslash(container.GetArchivePath());
}

TpsContainerDestDir::TpsContainerDestDir(TComponent* owner) : TStandardPathSpecifier(owner) {
  SetDefaultName("psContainerDestDir");
}

void TpsContainerDestDir::CheckObject(TInstallContainer* object) {
  TInstallObject& member = TreeMember(object, "psContainerDestDir");
  if (!member.Container()) {
    throw IEPathSpecifier("Cannot use ddContainerDestDir for %s unless you assign a Container", member.Name());
  }
}

std::string TpsContainerDestDir::GetDescription() { return "Path of the group (container)"; }

std::string TpsContainerDestDir::GetObjectDescription(TInstallContainer* object) {
  try {
    CheckObject(object);
    TInstallContainer* container = static_cast<TInstallObject*>(object)->Container();
    if (IsEngine(container)) return "Main installation directory";
    if (auto* group = dynamic_cast<TCustomInstallGroup*>(container)) {
      return Format("Path of the <%s> group", group->Description());
    }
    if (auto* directory = dynamic_cast<TFileContainer*>(container)) {
      return Format("Path of the <%s> directory", directory->Description());
    }
    return Format("Path of the <%s> group", container->Name());
  } catch (const std::exception&) {
    return GetDescription();
  }
}

std::string TpsContainerDestDir::GetObjectDisplayName(TInstallContainer* object) {
  try {
    CheckObject(object);
    TInstallContainer* container = static_cast<TInstallObject*>(object)->Container();
    if (IsEngine(container)) return "Main installation directory";
    if (auto* files = dynamic_cast<TFileContainer*>(container)) return "<" + files->Description() + ">";
    return "<" + container->Name() + ">";
  } catch (const std::exception&) {
    return GetDescription();
  }
}

std::string TpsContainerDestDir::GetPath(TInstallContainer* object) {
  CheckObject(object);
  return RemoveBackslash(static_cast<TInstallObject*>(object)->Container()->GetDestinationPath());
}

TpsInstallSource::TpsInstallSource(TComponent* owner) : TStandardPathSpecifier(owner) {
  SetDefaultName("psInstallSource");
}

void TpsInstallSource::CheckObject(TInstallContainer* object) { RequireEngine(object); }
std::string TpsInstallSource::GetDescription() { return "Path from which the user ran the install"; }
std::string TpsInstallSource::GetDisplayName() { return "Install source"; }

std::string TpsInstallSource::GetPath(TInstallContainer* object) {
  CheckObject(object);
  return RemoveBackslash(TheInstall()->LoadingProgramDir());
}

TpsMainInstall::TpsMainInstall(TComponent* owner) : TStandardPathSpecifier(owner) {
  SetDefaultName("psMainInstall");
}

void TpsMainInstall::CheckObject(TInstallContainer* object) {
  RequireEngine(object);
  if (IsEngine(object)) throw IEPathSpecifier("Cannot use the ddMainInstallDir path specifier for a TInstall component");
}

std::string TpsMainInstall::GetDescription() { return "Main installation directory"; }
std::string TpsMainInstall::GetDisplayName() { return "Main install dir"; }

std::string TpsMainInstall::GetPath(TInstallContainer* object) {
  CheckObject(object);
  return RemoveBackslash(TheInstall()->AsInstallObject().GetDestinationPath());
}

const TClassInfo& TpsContainerArchiveFile::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfo::Define<TpsContainerArchiveFile, TStandardPathSpecifier>("TpsContainerArchiveFile");
  return info;
}

const TClassInfo& TpsContainerDestDir::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TpsContainerDestDir, TStandardPathSpecifier>("TpsContainerDestDir");
  return info;
}

const TClassInfo& TpsInstallSource::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TpsInstallSource, TStandardPathSpecifier>("TpsInstallSource");
  return info;
}

const TClassInfo& TpsMainInstall::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TpsMainInstall, TStandardPathSpecifier>("TpsMainInstall");
  return info;
}

}  // namespace vorlan

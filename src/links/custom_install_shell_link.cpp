#include "links/custom_install_shell_link.h"

#include "base/strings.h"
#include "component/class_info.h"
#include "links/custom_shell_link_group.h"
#include "links/link_directory.h"
#include "links/links_module.h"
#include "links/ps_object_link.h"
#include "objects/custom_install_file.h"
#include "objects/install_directory.h"
#include "objects/install_engine.h"
#include "objects/uninstall_file_list.h"
#include "paths/ensure_path_specifier.h"
#include "paths/path_specifier_list.h"

namespace vorlan {

namespace {
// Brings psObjectLink onto the form before the shortcut itself is built.
TComponent* WithObjectLinkSpecifier(TComponent* owner) {
  if (owner && owner->IsForm()) EnsurePathSpecifier(TpsObjectLink::StaticClassInfo(), owner, true);
  return owner;
}

// Characters no file name may hold; the colon and backslash may stay, as
// the name may carry a relative folder.
std::string CleanLinkName(std::string name) {
  for (char& c : name) {
    if (std::string_view("\"*/<>?|").find(c) != std::string_view::npos) c = '_';
  }
  return name;
}

std::string UpperExt(const std::string& name) { return UpperCase(ExtractFileExt(name)); }

// The uninstaller program is defined above this library; it is known by
// its class.
bool IsUninstaller(const TInstallContainer& object) {
  for (const TClassInfo* info = &object.ClassInfo(); info; info = info->Parent()) {
    if (info->Name() == "TUninstallEXE") return true;
  }
  return false;
}

std::string DefaultLinkName(TInstallContainer& target) {
  if (auto* file = dynamic_cast<TCustomInstallFile*>(&target)) return ChangeFileExt(file->DestName(), ".lnk");
  if (auto* directory = dynamic_cast<TInstallDirectory*>(&target)) return directory->Description() + ".lnk";
  return target.Name() + ".lnk";
}
}  // namespace

const TEnumInfo& MethodTypeInfo() {
  static const TEnumInfo info("TMethodType", {"mtAutoDetect", "mtShellLinkInterface"});
  return info;
}

TLinkWriting LinkWritingFor(TMethodType method, bool hard_link, TOSVerType os) {
  if (method == mtShellLinkInterface) return TLinkWriting::lwLinkFile;
  switch (os) {
    case oswin95:
    case oswinNT:
    case oswin98:
    case oswinME: return TLinkWriting::lwLinkFile;
    case oswin2K:
    case oswinXP: return hard_link ? TLinkWriting::lwHardLink : TLinkWriting::lwLinkFile;
    default: return TLinkWriting::lwNone;
  }
}

TCustomInstallShellLink::TCustomInstallShellLink(TComponent* owner)
    : TInstallObject(WithObjectLinkSpecifier(owner), type_code::kShellLink) {
  SetAutoProcess(false);
  SetInclude(true);
  if (TInstallShellLinkList* all = AllShellLinks()) all->Add(this);
}

TCustomInstallShellLink::~TCustomInstallShellLink() {
  if (TInstallShellLinkList* all = AllShellLinks()) all->Remove(this);
  AssignObjectLink(nullptr);
  AssignObjectLocationType(nullptr);
}

void TCustomInstallShellLink::AssignObjectLink(TInstallContainer* value) {
  if (value == object_link_) return;
  if (object_link_) object_link_->RemoveFreeNotification(this);
  object_link_ = value;
  if (object_link_) object_link_->FreeNotification(this);
}

void TCustomInstallShellLink::AssignObjectLocationType(TCustomPathSpecifier* value) {
  if (value == object_location_type_) return;
  if (object_location_type_) object_location_type_->RemoveFreeNotification(this);
  object_location_type_ = value;
  if (object_location_type_) object_location_type_->FreeNotification(this);
}

void TCustomInstallShellLink::SetLinkName(const std::string& value) {
  std::string old_extension = UpperExt(link_name_);
  link_name_ = CleanLinkName(value);
  if (Loading() || Trim(link_name_).empty()) return;
  std::string extension = UpperExt(link_name_);
  if (extension == ".URL") return SetObjectLink(nullptr);
  if (extension == ".LNK") return;
  link_name_ = ChangeFileExt(link_name_, old_extension.empty() ? ".LNK" : old_extension);
}

void TCustomInstallShellLink::SetObjectLink(TInstallContainer* value) {
  if (Loading()) return AssignObjectLink(value);
  if (!value) {
    AssignObjectLink(nullptr);
    AssignObjectLocationType(nullptr);
    return;
  }
  AssignObjectLocationType(&StandardPathSpecifiers().FindByClass<TpsObjectLink>());
  object_location_.clear();
  link_name_ = DefaultLinkName(*value);
  if (!Container()) SetContainer(value);
  AssignObjectLink(value);
}

void TCustomInstallShellLink::SetObjectLocation(const std::string& value) {
  object_location_ = value;
  if (dynamic_cast<TpsObjectLink*>(object_location_type_)) AssignObjectLocationType(nullptr);
  if (Loading()) return;
  std::string name = Trim(link_name_);
  if (!name.empty() && UpperCase(name) != ".LNK") return;
  std::string upper = UpperCase(value);
  for (std::string_view prefix : {"HTTP://", "FTP://"}) {
    size_t found = upper.find(prefix);
    // The rest of an address may hold slashes, which no file name can.
    if (found != std::string::npos) {
      link_name_ = CleanLinkName(value.substr(found + prefix.size())) + ".URL";
      return;
    }
  }
  SetLinkName(ChangeFileExt(ExtractFileName(value), ""));
}

void TCustomInstallShellLink::SetObjectLocationType(TCustomPathSpecifier* value) {
  if (!Loading() && value) {
    value->CheckObject(this);
    if (dynamic_cast<TpsObjectLink*>(value)) object_location_.clear();
  }
  AssignObjectLocationType(value);
}

std::string TCustomInstallShellLink::GetLinkFileName() { return AddBackslash(GetDestinationPath()) + link_name_; }

std::string TCustomInstallShellLink::GetTargetPath() {
  if (object_location_type_) return object_location_type_->GetPath(this) + object_location_;
  return RemoveBackslash(object_location_);
}

void TCustomInstallShellLink::HandleMessage(TInstallContainer* sender, int code, const TReport& report) {
  TInstallObject::HandleMessage(sender, code, report);
  if (code == stage::kShellLinkRequest) Process();
}

bool TCustomInstallShellLink::PrepareObjectLink() {
  if (!object_link_->Processed()) return false;
  if (IsUninstaller(*object_link_)) {
    TInstallEngine* engine = TheInstall();
    if (!engine) throw IEInstallShellLink("%s cannot perform operation because there is no TInstall component", Name());
    parameters_ = engine->ProductName();
  }
  if (auto* group = dynamic_cast<TCustomShellLinkGroup*>(object_link_)) {
    ForceLinkDirectory(*this, group->GetDestinationPath());
  }
  return true;
}

TOSVerType TCustomInstallShellLink::RunningWindows() const { return GetOSVersionType(); }

void TCustomInstallShellLink::InstallObjects() {
  if (Trim(link_name_).empty()) {
    throw IEInstallShellLink("The LinkName is blank for %s and therefore could not be installed", Name());
  }
  if (object_link_ && !PrepareObjectLink()) return;
  if (UpperExt(link_name_) == ".URL") {
    WriteInternetShortcut();
  } else {
    switch (LinkWritingFor(method_, hard_link_, RunningWindows())) {
      case TLinkWriting::lwLinkFile: WriteLinkFile(); break;
      case TLinkWriting::lwHardLink: WriteHardLink(); break;
      case TLinkWriting::lwNone: break;
    }
  }
  TInstallObject::InstallObjects();
}

void TCustomInstallShellLink::RegisterUninstall(const std::string& key) {
  AddUninstallFileRecord(key, GetLinkFileName());
}

void TCustomInstallShellLink::ObjectRemoved(TInstallContainer* object) {
  bool orphaned = object == object_link_ || object == Container();
  if (object == object_link_) AssignObjectLink(nullptr);
  TInstallObject::ObjectRemoved(object);
  // A shortcut without its target or its folder has no meaning; only the
  // owner may delete it.
  if (orphaned && Owner() && !Destroying()) delete this;
}

void TCustomInstallShellLink::Notification(TComponent* component, TOperation operation) {
  TInstallObject::Notification(component, operation);
  if (operation != TOperation::opRemove || !component) return;
  if (component == object_link_) object_link_ = nullptr;
  if (component == object_location_type_) object_location_type_ = nullptr;
}

const TClassInfo& TCustomInstallShellLink::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfo::Define<TCustomInstallShellLink, TInstallObject>("TCustomInstallShellLink", [](auto& p) {
        using T = TCustomInstallShellLink;
        p.Enumeration("Method", MethodTypeInfo(), &T::Method, &T::SetMethod).Default(int64_t{mtAutoDetect});
        p.Integer("HotKey", &T::HotKey, &T::SetHotKey).Default(int64_t{0});
        p.String("LinkName", &T::LinkName, &T::SetLinkName);
        p.template Reference<TInstallContainer>("ObjectLink", &T::ObjectLink, &T::SetObjectLink);
        p.String("ObjectLocation", &T::ObjectLocation, &T::SetObjectLocation);
        p.template Reference<TCustomPathSpecifier>("ObjectLocationType", &T::ObjectLocationType,
                                                   &T::SetObjectLocationType);
        p.String("Parameters", &T::Parameters, &T::SetParameters);
      });
  return info;
}

}  // namespace vorlan

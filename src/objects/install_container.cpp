#include "objects/install_container.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "base/strings.h"
#include "base/walk_from_end.h"
#include "component/class_registry.h"
#include "objects/install_engine.h"
#include "objects/install_object.h"
#include "objects/objects_module.h"
#include "objects/parameters.h"
#include "objects/specifier_access.h"
#include "objects/uninstall_directory_list.h"
#include "paths/custom_path_specifier.h"
#include "paths/path_expansion.h"

namespace vorlan {

namespace {
constexpr OSSet kWindowsKinds = SetBit(oswin95) | SetBit(oswinNT) | SetBit(oswin2K) | SetBit(oswin98) |
                                SetBit(oswinME) | SetBit(oswinXP);

OSSet DefaultOS() { return GetOSVersionType() == osLinux ? SetBit(osLinux) : kWindowsKinds; }
}  // namespace

TInstallContainer::TInstallContainer(TComponent* owner, int type_code) : TComponent(owner), type_code_(type_code) {
  if (owner && owner->IsForm()) EnsureFormSpecifiers(owner);
  os_ = DefaultOS();
  if (TInstallContainerList* all = AllContainers()) all->Add(this);
}

// An object told may destroy itself or others (a shortcut without its
// target); one told twice changes nothing.
TInstallContainer::~TInstallContainer() {
  if (TInstallContainerList* all = AllContainers()) {
    WalkFromEnd(all->Items(), [this](TInstallContainer* object) {
      if (object != this) object->ObjectRemoved(this);
    });
    all->Remove(this);
  }
  if (dest_dir_type_) dest_dir_type_->RemoveFreeNotification(this);
}

void TInstallContainer::SetInstallTypes(TInstallTypeSet value) { install_types_ = value ? value : SetBit(itFull); }

void TInstallContainer::SetDestDir(const std::string& value) { dest_dir_ = value; }

void TInstallContainer::SetDestDirType(TCustomPathSpecifier* value) {
  dest_dir_type_by_setter_ = true;
  if (value && !Loading()) value->CheckObject(this);
  AssignDestDirType(value);
}

void TInstallContainer::AssignDestDirType(TCustomPathSpecifier* value) {
  if (value == dest_dir_type_) return;
  if (dest_dir_type_) dest_dir_type_->RemoveFreeNotification(this);
  dest_dir_type_ = value;
  if (dest_dir_type_) dest_dir_type_->FreeNotification(this);
}

void TInstallContainer::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component && component == dest_dir_type_) dest_dir_type_ = nullptr;
}

// Compared by address only: the object may be half destroyed already.
void TInstallContainer::ObjectRemoved(TInstallContainer* object) {
  if (std::erase_if(children_, [object](TInstallObject* child) { return child == object; })) receivers_stale_ = true;
}

void TInstallContainer::ShowStatus(const std::string& text) {
  TMessageParameter parameter(text);
  Broadcast(this, stage::kStatusText, {.message = &parameter});
}

void TInstallContainer::ClearStatus() { Broadcast(this, stage::kStatusCleared); }

void TInstallContainer::DoInformationEventControl(TInstallContainer*, int, const TReport&) {}

void TInstallContainer::HandleMessage(TInstallContainer*, int, const TReport&) {}

std::string TInstallContainer::GetDestinationPath() { return ExpandPath(dest_dir_type_, this, dest_dir_); }

int TInstallContainer::TypeCode() const {
  if (type_code_ == type_code::kNone) throw IEInstallContainer("Class must declare a registered type");
  return type_code_;
}

void TInstallContainer::AddChild(TInstallObject* object) {
  if (!object) throw IEInstallContainer("Cannot add a blank base helper component to %s", Name());
  for (TInstallContainer* above = this; above;) {
    if (above == object) throw IEInstallContainer("Circular reference");
    auto* as_object = dynamic_cast<TInstallObject*>(above);
    above = as_object ? as_object->Container() : nullptr;
  }
  int code = object->TypeCode();
  auto position = std::find_if(children_.begin(), children_.end(),
                               [code](TInstallObject* child) { return child->TypeCode() >= code; });
  if (SameText(object->ClassName(), "TINSTALLBDE")) position = children_.begin();
  children_.insert(position, object);
  receivers_stale_ = true;
}

void TInstallContainer::RemoveChild(TInstallObject* object) {
  std::erase(children_, object);
  receivers_stale_ = true;
}

TInstallObject* TInstallContainer::Children(int index) const {
  if (index < 0 || index >= ChildCount()) {
    throw IEInstallContainer(
        "Tried to reference a helper component in the following component: %s. The following index was used: %d",
        Name(), index);
  }
  return children_[static_cast<size_t>(index)];
}

namespace {
// A number that identifies a class in messages: its place among the
// registered classes.
int ClassNumber(const TClassInfo& info) {
  const auto& classes = Classes().Classes();
  auto found = std::find(classes.begin(), classes.end(), &info);
  return found == classes.end() ? -1 : static_cast<int>(found - classes.begin());
}
}  // namespace

TInstallObject* TInstallContainer::Comp(int index, const TClassInfo& info) const {
  int seen = 0;
  for (TInstallObject* child : children_) {
    if (child->ClassInfo().InheritsFrom(info) && seen++ == index) return child;
  }
  throw IEInstallContainer(
      "Bad call to the Comp procedure which returns a TInstallObject for a TInstallContainer component. The "
      "parameters are probably reversed. Index: %d, ComponentType: %d",
      index, ClassNumber(info));
}

int TInstallContainer::ChildCountOf(const TClassInfo& info) const {
  return static_cast<int>(std::count_if(children_.begin(), children_.end(), [&](TInstallObject* child) {
    return child->ClassInfo().InheritsFrom(info);
  }));
}

void TInstallContainer::FreeChildrenOf(const TClassInfo& info) {
  for (int i = ChildCount() - 1; i >= 0; --i) {
    if (i < ChildCount() && children_[static_cast<size_t>(i)]->ClassInfo().InheritsFrom(info)) {
      delete children_[static_cast<size_t>(i)];
    }
  }
}

// Messages go out many times for every file (progress among them), to the
// few children that take them: those are found again only when the
// children change. A handler may change them, hence the copy.
void TInstallContainer::Broadcast(TInstallContainer* sender, int code, const TReport& report) {
  if (receivers_stale_) {
    receivers_.clear();
    std::copy_if(children_.begin(), children_.end(), std::back_inserter(receivers_),
                 [](TInstallObject* child) {
                   return child->TypeCode() >= type_code::kFirstReceiver && child->TakesMessages();
                 });
    receivers_stale_ = false;
  }
  for (TInstallObject* child : std::vector<TInstallObject*>(receivers_)) child->HandleMessage(sender, code, report);
}

void TInstallContainer::SetInstallType(TInstallType type) {
  for (TInstallObject* child : children_) child->SetInstallType(type);
  current_install_type_ = type;
}

bool TInstallContainer::WillInstall() {
  return include_ && (current_install_type_ == itCustom || InSet(install_types_, current_install_type_));
}

void TInstallContainer::InstallObjects() {
  processed_ = true;
  for (TInstallObject* child : std::vector<TInstallObject*>(children_)) {
    if (child->AutoProcess()) child->Process();
  }
}

void TInstallContainer::Process() {
  TOSVerType os = GetOSVersionType();
  if (os > 15 || !InSet(os_, os)) include_ = false;
  try {
    ProcessIncluded();
  } catch (const EAbort&) {
    // An event skipped the rest of this object.
  }
}

void TInstallContainer::ProcessIncluded() {
  on_before_process_(this);
  Broadcast(this, stage::kBeforeProcess);
  if (!include_) return;
  Broadcast(this, stage::kIncluded);
  if (current_install_type_ != itCustom && !InSet(install_types_, current_install_type_)) return;
  InstallObjects();
  processed_ = true;
  std::vector<std::string> created = std::exchange(created_directories_, {});
  TInstallEngine* engine = TheInstall();
  if (engine && uninstall_) {
    std::string key = kUninstallKeyPrefix + engine->ProductName();
    RegisterUninstall(key);
    AddUninstallDirectoryRecords(key, created);
  }
  on_after_process_(this);
  Broadcast(this, stage::kAfterProcess);
}

void TInstallContainer::ForceDestinationDirectories(const std::string& path) {
  for (std::string& directory : ForceDirectoriesCreated(path)) created_directories_.push_back(std::move(directory));
}

void TInstallContainer::Loaded() {
  if (dest_dir_type_by_constructor_ && !dest_dir_type_by_setter_) SetDestDirType(nullptr);
  TComponent::Loaded();
}

const TClassInfo& TInstallContainer::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfo::Define<TInstallContainer, TComponent>("TInstallContainer", [](auto& p) {
        using T = TInstallContainer;
        p.Boolean("Include", &T::Include, &T::SetInclude).Default(true);
        p.Boolean("Uninstall", &T::Uninstall, &T::SetUninstall).Default(true);
        p.Set("OS", OSVerTypeInfo(), &T::OS, &T::SetOS).Stored([](const T& o) { return o.OS() != DefaultOS(); });
        p.Event("OnAfterProcess", &T::OnAfterProcess);
        p.Event("OnBeforeProcess", &T::OnBeforeProcess);
        p.String("DestDir", &T::DestDir, &T::SetDestDir);
        p.template Reference<TCustomPathSpecifier>("DestDirType", &T::DestDirType, &T::SetDestDirType);
        p.Set("InstallTypes", InstallTypeInfo(), &T::InstallTypes, &T::SetInstallTypes)
            .Default(int64_t{SetBit(itFull) | SetBit(itDefault) | SetBit(itCompact)});
      });
  return info;
}

}  // namespace vorlan

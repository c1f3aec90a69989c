#include "objects/file_container_specifier.h"

#include "base/strings.h"
#include "component/class_info.h"
#include "objects/custom_install_file.h"
#include "objects/file_container.h"
#include "objects/objects_module.h"
#include "paths/path_exceptions.h"
#include "paths/unique_component_name.h"

namespace vorlan {

void TpsFileContainer::SetFileContainer(TFileContainer* value) {
  if (value == file_container_) return;
  // The container and its own specifier share one notification link: it
  // stays while the container still refers to this specifier.
  if (file_container_ && file_container_->CompanionSpecifier() != this) file_container_->RemoveFreeNotification(this);
  file_container_ = value;
  if (file_container_) file_container_->FreeNotification(this);
}

void TpsFileContainer::Notification(TComponent* component, TOperation operation) {
  TCustomPathSpecifier::Notification(component, operation);
  if (operation == TOperation::opRemove && component && component == file_container_) file_container_ = nullptr;
}

void TpsFileContainer::SetName(const std::string& name) {
  TComponent* holder = Owner() ? Owner()->FindComponent(name) : nullptr;
  try {
    if (holder && holder != this) MakeUniqueComponentName(*holder, "nameClash" + IntToStr(NextNameClash()));
    TCustomPathSpecifier::SetName(name);
  } catch (const Exception&) {
    // The old name stays.
  }
}

void TpsFileContainer::Loaded() {
  TCustomPathSpecifier::Loaded();
  if (!file_container_) return;
  TCustomPathSpecifier* made = file_container_->CompanionSpecifier();
  if (made == this) return;
  file_container_->SetCompanionSpecifier(this);
  // Only the instance the container made for itself goes: one the
  // definition stored belongs to the definition (it may stand for another
  // container, which it claims in its own Loaded).
  if (made && !made->Destroying() && !made->IsPropertyStored("FileContainer")) delete made;
}

void TpsFileContainer::CheckObject(TInstallContainer* object) {
  if (dynamic_cast<TFileContainer*>(object) || dynamic_cast<TCustomInstallFile*>(object)) {
    throw IEPathSpecifier("A file container cannot reference another file container or group");
  }
}

std::string TpsFileContainer::GetDescription() {
  if (!file_container_) return "Path specifier for unknown file container";
  return "Path into which " + file_container_->Description() + " will be installed";
}

std::string TpsFileContainer::GetDisplayName() {
  if (!file_container_) return "Path specifier for unknown file container";
  return "<" + file_container_->Description() + ">";
}

std::string TpsFileContainer::GetPath(TInstallContainer* object) {
  CheckObject(object);
  return file_container_ ? file_container_->GetDestinationPath() : std::string();
}

const TClassInfo& TpsFileContainer::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfo::Define<TpsFileContainer, TCustomPathSpecifier>("TpsFileContainer", [](auto& p) {
        p.template Reference<TFileContainer>("FileContainer", &TpsFileContainer::FileContainer,
                                             &TpsFileContainer::SetFileContainer);
      });
  return info;
}

}  // namespace vorlan

#include "objects/install_object.h"

#include "objects/container_specifiers.h"
#include "objects/install_engine.h"
#include "objects/specifier_access.h"
#include "paths/custom_path_specifier.h"

namespace vorlan {

TInstallObject::TInstallObject(TComponent* owner, int type_code) : TInstallContainer(owner, type_code) {
  TInstallEngine* engine = TheInstall();
  if (Designing() && engine) {
    TInstallObject& root = engine->AsInstallObject();
    root.AddChild(this);
    AssignContainer(&root);
    MarkContainerByConstructor();
    AssignDestDirType(StandardSpecifier<TpsContainerDestDir>());
    MarkDestDirTypeByConstructor();
    SetDestDir("");
  }
}

void TInstallObject::AssignContainer(TInstallContainer* value) {
  if (container_) container_->RemoveFreeNotification(this);
  container_ = value;
  if (container_) container_->FreeNotification(this);
}

void TInstallObject::SetContainer(TInstallContainer* value) {
  container_by_setter_ = true;
  if (value == container_) return;
  if (value) value->AddChild(this);
  if (container_) container_->RemoveChild(this);
  AssignContainer(value);
  if (Loading()) return;
  if (value) {
    SetDestDirType(StandardSpecifier<TpsContainerDestDir>());
    SetDestDir("");
  } else if (IsSpecifier<TpsContainerDestDir>(DestDirType())) {
    SetDestDirType(nullptr);
  }
}

void TInstallObject::ObjectRemoved(TInstallContainer* object) {
  TInstallContainer::ObjectRemoved(object);
  if (object == container_) {
    // The container is going: forget it without asking it anything.
    container_ = nullptr;
    if (IsSpecifier<TpsContainerDestDir>(DestDirType())) AssignDestDirType(nullptr);
  }
}

void TInstallObject::Notification(TComponent* component, TOperation operation) {
  TInstallContainer::Notification(component, operation);
  if (operation == TOperation::opRemove && component && component == container_) container_ = nullptr;
}

void TInstallObject::Process() {
  TInstallEngine* engine = TheInstall();
  if (!engine || !engine->InProgress() || !container_ || container_->Processed()) TInstallContainer::Process();
}

void TInstallObject::Loaded() {
  if (container_by_constructor_ && !container_by_setter_) SetContainer(nullptr);
  TInstallContainer::Loaded();
}

const TClassInfo& TInstallObject::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TInstallObject, TInstallContainer>("TInstallObject", [](auto& p) {
    p.template Reference<TInstallContainer>("Container", &TInstallObject::Container, &TInstallObject::SetContainer);
  });
  return info;
}

}  // namespace vorlan

#pragma once
// TInstallObject: an install object with a place in the tree, its Container.

#include "objects/install_container.h"

namespace vorlan {

class TInstallObject : public TInstallContainer {
  VORLAN_CLASS_INFO()

 public:
  explicit TInstallObject(TComponent* owner, int type_code = type_code::kNone);

  TInstallContainer* Container() const { return container_; }
  // Moves the object into another container; a cycle is refused before
  // anything changes.
  virtual void SetContainer(TInstallContainer* value);

  void ObjectRemoved(TInstallContainer* object) override;
  // Only when no run is under way, or the container was installed already:
  // the objects of an excluded group are skipped in their passes.
  void Process() override;
  void Loaded() override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  // Stores the container without the setter's rules.
  void AssignContainer(TInstallContainer* value);
  void MarkContainerByConstructor() { container_by_constructor_ = true; }

 private:
  TInstallContainer* container_ = nullptr;
  bool container_by_constructor_ = false;
  bool container_by_setter_ = false;
};

}  // namespace vorlan

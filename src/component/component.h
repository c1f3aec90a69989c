#pragma once
// TComponent: the base of everything an install definition holds. A
// component has a name unique among its owner's components, an owner that
// destroys it (last created first), state flags, and free-notification
// links through which referrers learn that a component is going away.

#include <cstdint>
#include <string>
#include <vector>

#include "component/persistent.h"

namespace vorlan {

enum class TOperation { opInsert, opRemove };

enum TComponentStateFlag : uint32_t {
  csLoading = 1u << 0,     // properties are being read from a definition
  csDesigning = 1u << 1,   // the definition is being authored
  csDestroying = 1u << 2,  // the destructor has begun
};

class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* owner);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  const std::string& Name() const { return name_; }
  // Raises when another component of the owner has the name already, or
  // when it is not a valid identifier (an empty name is allowed).
  virtual void SetName(const std::string& name);
  // The stem from which a unique name for this component is built
  // (MakeUniqueComponentName): the stem itself, unless a kind of component
  // names itself after what it holds.
  virtual std::string UniqueNameStem(const std::string& stem) const { return stem; }

  TComponent* Owner() const { return owner_; }
  intptr_t Tag() const { return tag_; }
  void SetTag(intptr_t tag) { tag_ = tag; }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(static_cast<size_t>(index)); }
  TComponent* FindComponent(const std::string& name) const;

  uint32_t ComponentState() const { return state_; }
  bool Loading() const { return state_ & csLoading; }
  bool Designing() const { return state_ & csDesigning; }
  bool Destroying() const { return state_ & csDestroying; }
  // Sets or clears a flag on this component and every component it owns.
  void SetStateFlag(TComponentStateFlag flag, bool on);

  // Called once the whole definition has been read; clears csLoading.
  virtual void Loaded();

  // Asks to be told (through Notification) when component is destroyed.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // Destroys every owned component, last created first. Owners whose
  // Notification matters call it from their own destructor, while their
  // overrides still run.
  void DestroyComponents();

  // Forms hold definitions: install objects placed on one bring along the
  // standard path specifiers.
  virtual bool IsForm() const { return false; }

  // The component a definition nests this one in (a control's parent);
  // components without one sit directly under the root.
  virtual TComponent* ParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent* /*parent*/) {}

  // The class of the component for the definition reader and writer.
  const TClassInfo& ClassInfo() const override;
  static const TClassInfo& StaticClassInfo();
  std::string ClassName() const;

 protected:
  // Told when a component joins (opInsert) or leaves (opRemove) this one's
  // list, and when a component this one asked about is destroyed.
  virtual void Notification(TComponent* component, TOperation operation);
  void BeginDestroy() { state_ |= csDestroying; }

 private:
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  std::string name_;
  // Of the upper-case name: a definition of thousands of objects looks
  // each one up by name among all the others as it reads them.
  uint32_t name_hash_ = 0;
  TComponent* owner_ = nullptr;
  intptr_t tag_ = 0;
  uint32_t state_ = 0;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> free_notifies_;
};

}  // namespace vorlan

#include "component/component.h"

#include <algorithm>
#include <iterator>

#include "base/exceptions.h"
#include "base/strings.h"
#include "component/class_info.h"

namespace vorlan {

namespace {
bool IsValidIdentifier(const std::string& name) {
  if (name.empty()) return true;
  auto alpha = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
  if (!alpha(name[0])) return false;
  return std::all_of(name.begin(), name.end(), [&](char c) { return alpha(c) || (c >= '0' && c <= '9'); });
}
// FNV-1a of the name in upper case, so names that differ in case only
// hash alike.
uint32_t NameHash(const std::string& name) {
  uint32_t hash = 2166136261u;
  for (char c : name) hash = (hash ^ static_cast<uint8_t>(c >= 'a' && c <= 'z' ? c - 32 : c)) * 16777619u;
  return hash;
}
// Removes component from list, searching from the end: components go in
// the reverse of their coming, so the one going is found at once even in
// the list of a component that thousands refer to.
void EraseFromEnd(std::vector<TComponent*>& list, TComponent* component) {
  auto found = std::find(list.rbegin(), list.rend(), component);
  if (found != list.rend()) list.erase(std::next(found).base());
}
}  // namespace

TComponent::TComponent(TComponent* owner) {
  if (owner) {
    state_ = owner->state_ & csDesigning;
    owner->InsertComponent(this);
  }
}

TComponent::~TComponent() {
  state_ |= csDestroying;
  // Referrers first, so that none keeps a pointer into a half-destroyed object.
  while (!free_notifies_.empty()) {
    TComponent* other = free_notifies_.back();
    free_notifies_.pop_back();
    EraseFromEnd(other->free_notifies_, this);
    other->Notification(this, TOperation::opRemove);
  }
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) delete components_.back();
}

void TComponent::SetName(const std::string& name) {
  if (name == name_) return;
  if (!IsValidIdentifier(name)) throw Exception("\"" + name + "\" is not a valid component name");
  if (owner_ && !name.empty()) {
    TComponent* other = owner_->FindComponent(name);
    if (other && other != this) throw Exception("A component named " + name + " already exists");
  }
  name_ = name;
  name_hash_ = NameHash(name);
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  if (name.empty()) return nullptr;
  uint32_t hash = NameHash(name);
  for (TComponent* component : components_) {
    if (component->name_hash_ == hash && SameText(component->name_, name)) return component;
  }
  return nullptr;
}

void TComponent::SetStateFlag(TComponentStateFlag flag, bool on) {
  if (on) {
    state_ |= flag;
  } else {
    state_ &= ~static_cast<uint32_t>(flag);
  }
  for (TComponent* component : components_) component->SetStateFlag(flag, on);
}

void TComponent::Loaded() { state_ &= ~static_cast<uint32_t>(csLoading); }

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (std::find(free_notifies_.begin(), free_notifies_.end(), component) == free_notifies_.end()) {
    free_notifies_.push_back(component);
    component->free_notifies_.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (!component) return;
  EraseFromEnd(free_notifies_, component);
  EraseFromEnd(component->free_notifies_, this);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component) RemoveFreeNotification(component);
}

// Only the owner hears of a component joining or leaving its list. Every
// other reference, between siblings too, is a free-notification link: a
// form holds thousands of install objects, and telling all of them of each
// one that comes and goes cost more than the installation of a small file.
void TComponent::InsertComponent(TComponent* component) {
  component->owner_ = this;
  components_.push_back(component);
  Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  Notification(component, TOperation::opRemove);
  EraseFromEnd(components_, component);
  component->owner_ = nullptr;
}

const TClassInfo& TComponent::ClassInfo() const { return TComponent::StaticClassInfo(); }

std::string TComponent::ClassName() const { return ClassInfo().Name(); }

}  // namespace vorlan

namespace vorlan {
const TClassInfo& TComponent::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfo::Define<TComponent, TPersistent>("TComponent", [](TPropertyBuilder<TComponent>& p) {
        p.Integer("Tag", &TComponent::Tag, &TComponent::SetTag).Default(int64_t{0});
      });
  return info;
}
}  // namespace vorlan

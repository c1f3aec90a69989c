#pragma once
// Class infos: the name, parent, factory and property table of each class
// that an install definition can hold.

#include <string>

namespace vorlan {

class TComponent;

class TClassInfo {
 public:
  using TFactory = TComponent* (*)(TComponent* owner);

  TClassInfo(std::string name, const TClassInfo* parent, TFactory factory)
      : name_(std::move(name)), parent_(parent), factory_(factory) {}

  const std::string& Name() const { return name_; }
  const TClassInfo* Parent() const { return parent_; }
  // Creates an instance owned by owner; empty for an abstract class.
  TComponent* Create(TComponent* owner) const { return factory_ ? factory_(owner) : nullptr; }
  bool InheritsFrom(const TClassInfo& other) const {
    for (const TClassInfo* info = this; info; info = info->parent_) {
      if (info == &other) return true;
    }
    return false;
  }

 private:
  std::string name_;
  const TClassInfo* parent_;
  TFactory factory_;
};

}  // namespace vorlan

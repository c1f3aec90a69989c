#include "component/class_info.h"

#include <algorithm>

#include "base/strings.h"
#include "component/collection.h"
#include "component/component.h"

namespace vorlan {

const char* PropertyKindName(TPropertyKind kind) {
  static const char* const kNames[] = {"a Boolean",    "an integer",       "a string",    "an enumeration value",
                                       "a set",        "a component name", "a string list", "a nested object",
                                       "a collection", "a handler name",   "binary data"};
  return kNames[static_cast<int>(kind)];
}

std::optional<int> TEnumInfo::Find(std::string_view value) const {
  for (size_t i = 0; i < values_.size(); ++i) {
    if (SameText(values_[i], value)) return static_cast<int>(i);
  }
  return std::nullopt;
}

namespace {
bool IsEmptyValue(const TValue& value) {
  return std::visit(
      [](const auto& v) {
        using V = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<V, std::monostate>) return true;
        else if constexpr (std::is_same_v<V, bool>) return !v;
        else if constexpr (std::is_same_v<V, int64_t>) return v == 0;
        else if constexpr (std::is_same_v<V, TComponent*>) return v == nullptr;
        else return v.empty();
      },
      value);
}
}  // namespace

bool TPropertyInfo::IsStored(const TPersistent& object) const {
  if (stored) return stored(object);
  if (kind == TPropertyKind::Collection) {
    return static_cast<const TCollection*>(this->object(const_cast<TPersistent&>(object)))->Count() > 0;
  }
  if (!get) return true;  // nested objects decide property by property
  TValue value = get(object);
  if (default_value) return value != *default_value;
  // Without a declared default, an integer or Boolean is always written; other
  // kinds only when they hold something.
  if (kind == TPropertyKind::Integer || kind == TPropertyKind::Boolean) return true;
  return !IsEmptyValue(value);
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* info = this; info; info = info->parent_) {
    if (info == &other) return true;
  }
  return false;
}

const TPropertyInfo* TClassInfo::FindProperty(std::string_view name) const {
  for (const TClassInfo* info = this; info; info = info->parent_) {
    for (const auto& property : info->properties_) {
      if (SameText(property->name, name)) return property->withdrawn ? nullptr : property.get();
    }
  }
  return nullptr;
}

std::vector<const TPropertyInfo*> TClassInfo::AllProperties() const {
  std::vector<const TPropertyInfo*> all = parent_ ? parent_->AllProperties() : std::vector<const TPropertyInfo*>();
  for (const auto& property : properties_) {
    auto inherited = std::find_if(all.begin(), all.end(),
                                  [&](const TPropertyInfo* other) { return SameText(other->name, property->name); });
    if (inherited == all.end()) {
      if (!property->withdrawn) all.push_back(property.get());
    } else if (property->withdrawn) {
      all.erase(inherited);
    } else {
      *inherited = property.get();
    }
  }
  return all;
}

TPropertyInfo& TClassInfo::AddProperty(TPropertyInfo info) {
  properties_.push_back(std::make_unique<TPropertyInfo>(std::move(info)));
  return *properties_.back();
}

}  // namespace vorlan

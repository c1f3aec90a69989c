#pragma once
// Class infos: the name, parent, factory and property table of each class an
// install definition can hold. A class defines its info once:
//
//   const TClassInfo& TDemo::StaticClassInfo() {
//     static const TClassInfo info = TClassInfo::Define<TDemo, TComponent>(
//         "TDemo", [](TPropertyBuilder<TDemo>& p) {
//           p.Boolean("Flag", &TDemo::Flag, &TDemo::SetFlag).Default(false);
//         });
//     return info;
//   }

#include <concepts>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "component/event.h"
#include "component/persistent.h"
#include "component/value.h"

namespace vorlan {

class TComponent;
class TCollection;

enum class TPropertyKind {
  Boolean, Integer, String, Enumeration, Set, Reference, StringList, Object, Collection, Event, Binary
};
const char* PropertyKindName(TPropertyKind kind);

// The value names of an enumeration, by ordinal; sets use the same names.
class TEnumInfo {
 public:
  TEnumInfo(std::string name, std::vector<std::string> values)
      : name_(std::move(name)), values_(std::move(values)) {}
  const std::string& Name() const { return name_; }
  const std::vector<std::string>& Values() const { return values_; }
  std::optional<int> Find(std::string_view value) const;

 private:
  std::string name_;
  std::vector<std::string> values_;
};

struct TPropertyInfo {
  std::string name;
  TPropertyKind kind = TPropertyKind::Integer;
  std::function<TValue(const TPersistent&)> get;
  std::function<void(TPersistent&, const TValue&)> set;
  // The owned object of an Object or Collection property.
  std::function<TPersistent*(TPersistent&)> object;
  std::optional<TValue> default_value;
  std::function<bool(const TPersistent&)> stored;
  const TEnumInfo* enum_info = nullptr;          // Enumeration, Set
  // Reference: the class the target must be; a function, since a class may
  // refer to its own kind while its info is being built.
  const TClassInfo& (*reference_class)() = nullptr;
  // A class that does not offer a property of its parent lists it withdrawn.
  bool withdrawn = false;

  // Whether the writer saves the property: the class's own rule, else a
  // value other than the default, else any value that is not empty.
  bool IsStored(const TPersistent& object) const;
};

template <typename T>
class TPropertyBuilder;

class TClassInfo {
 public:
  using TFactory = TComponent* (*)(TComponent* owner);

  TClassInfo(std::string name, const TClassInfo* parent, TFactory factory)
      : name_(std::move(name)), parent_(parent), factory_(factory) {}

  // Builds the info of class T with parent class P (TPersistent for a root
  // class); T is created through the factory when it is a concrete component.
  template <typename T, typename P>
  static TClassInfo Define(std::string name, const std::function<void(TPropertyBuilder<T>&)>& properties = {});

  const std::string& Name() const { return name_; }
  const TClassInfo* Parent() const { return parent_; }
  bool InheritsFrom(const TClassInfo& other) const;
  // Creates an instance owned by owner; empty for an abstract class.
  TComponent* Create(TComponent* owner) const { return factory_ ? factory_(owner) : nullptr; }
  bool CanCreate() const { return factory_ != nullptr; }

  // The property of that name here or in a parent class, unless the nearest
  // class that names it withdrew it.
  const TPropertyInfo* FindProperty(std::string_view name) const;
  // Every property, those of the parents first; a class's own property of a
  // parent's name takes the parent's place, a withdrawn one leaves it out.
  std::vector<const TPropertyInfo*> AllProperties() const;
  TPropertyInfo& AddProperty(TPropertyInfo info);

 private:
  std::string name_;
  const TClassInfo* parent_;
  TFactory factory_;
  std::vector<std::unique_ptr<TPropertyInfo>> properties_;
};

namespace property_detail {
template <typename T>
const T& Self(const TPersistent& object) { return static_cast<const T&>(object); }
template <typename T>
T& Self(TPersistent& object) { return static_cast<T&>(object); }
}  // namespace property_detail

// Fills a class's property table from its getters and setters.
template <typename T>
class TPropertyBuilder {
 public:
  explicit TPropertyBuilder(TClassInfo& info) : info_(info) {}

  template <typename G, typename S>
  TPropertyBuilder& Boolean(std::string name, G get, S set) {
    return Add(std::move(name), TPropertyKind::Boolean,
               [get](const TPersistent& o) { return TValue(static_cast<bool>(std::invoke(get, Self(o)))); },
               [set](TPersistent& o, const TValue& v) { std::invoke(set, Self(o), std::get<bool>(v)); });
  }

  template <typename G, typename S>
  TPropertyBuilder& Integer(std::string name, G get, S set) {
    return Add(std::move(name), TPropertyKind::Integer,
               [get](const TPersistent& o) { return TValue(static_cast<int64_t>(std::invoke(get, Self(o)))); },
               [set](TPersistent& o, const TValue& v) {
                 using Arg = std::decay_t<decltype(std::invoke(get, Self(o)))>;
                 std::invoke(set, Self(o), static_cast<Arg>(std::get<int64_t>(v)));
               });
  }

  template <typename G, typename S>
  TPropertyBuilder& String(std::string name, G get, S set) {
    return Add(std::move(name), TPropertyKind::String,
               [get](const TPersistent& o) { return TValue(std::string(std::invoke(get, Self(o)))); },
               [set](TPersistent& o, const TValue& v) { std::invoke(set, Self(o), std::get<std::string>(v)); });
  }

  template <typename G, typename S>
  TPropertyBuilder& StringList(std::string name, G get, S set) {
    return Add(std::move(name), TPropertyKind::StringList,
               [get](const TPersistent& o) { return TValue(TStringList(std::invoke(get, Self(o)))); },
               [set](TPersistent& o, const TValue& v) { std::invoke(set, Self(o), std::get<TStringList>(v)); });
  }

  template <typename G, typename S>
  TPropertyBuilder& Binary(std::string name, G get, S set) {
    return Add(std::move(name), TPropertyKind::Binary,
               [get](const TPersistent& o) { return TValue(TBytes(std::invoke(get, Self(o)))); },
               [set](TPersistent& o, const TValue& v) { std::invoke(set, Self(o), std::get<TBytes>(v)); });
  }

  // An enumeration property; the getter answers the enum type.
  template <typename G, typename S>
  TPropertyBuilder& Enumeration(std::string name, const TEnumInfo& values, G get, S set) {
    Add(std::move(name), TPropertyKind::Enumeration,
        [get](const TPersistent& o) { return TValue(static_cast<int64_t>(std::invoke(get, Self(o)))); },
        [set](TPersistent& o, const TValue& v) {
          using E = std::decay_t<decltype(std::invoke(get, Self(o)))>;
          std::invoke(set, Self(o), static_cast<E>(std::get<int64_t>(v)));
        });
    last_->enum_info = &values;
    return *this;
  }

  // A set property; the getter answers the bit mask over the ordinals.
  template <typename G, typename S>
  TPropertyBuilder& Set(std::string name, const TEnumInfo& values, G get, S set) {
    Integer(std::move(name), get, set);
    last_->kind = TPropertyKind::Set;
    last_->enum_info = &values;
    return *this;
  }

  // A reference to another component of class C (or a descendant).
  template <typename C, typename G, typename S>
  TPropertyBuilder& Reference(std::string name, G get, S set) {
    Add(std::move(name), TPropertyKind::Reference,
        [get](const TPersistent& o) { return TValue(static_cast<TComponent*>(std::invoke(get, Self(o)))); },
        [set](TPersistent& o, const TValue& v) {
          std::invoke(set, Self(o), dynamic_cast<C*>(std::get<TComponent*>(v)));
        });
    last_->reference_class = &C::StaticClassInfo;
    return *this;
  }

  // An owned nested object, written as dotted paths (Information.Version).
  template <typename G>
  TPropertyBuilder& Object(std::string name, G object) {
    Add(std::move(name), TPropertyKind::Object, nullptr, nullptr);
    last_->object = [object](TPersistent& o) -> TPersistent* { return std::invoke(object, Self(o)); };
    return *this;
  }

  template <typename G>
  TPropertyBuilder& Collection(std::string name, G collection) {
    Object(std::move(name), collection);
    last_->kind = TPropertyKind::Collection;
    return *this;
  }

  // An event; the accessor answers the object's TEvent.
  template <typename G>
  TPropertyBuilder& Event(std::string name, G event);

  // The class does not offer its parent's property of that name.
  TPropertyBuilder& Withdraw(std::string name) {
    Add(std::move(name), TPropertyKind::Integer, nullptr, nullptr);
    last_->withdrawn = true;
    return *this;
  }

  TPropertyBuilder& Default(TValue value) {
    last_->default_value = std::move(value);
    return *this;
  }
  TPropertyBuilder& Stored(std::function<bool(const T&)> rule) {
    last_->stored = [rule = std::move(rule)](const TPersistent& o) { return rule(Self(o)); };
    return *this;
  }

 private:
  static const T& Self(const TPersistent& o) { return property_detail::Self<T>(o); }
  static T& Self(TPersistent& o) { return property_detail::Self<T>(o); }

  TPropertyBuilder& Add(std::string name, TPropertyKind kind, std::function<TValue(const TPersistent&)> get,
                        std::function<void(TPersistent&, const TValue&)> set) {
    TPropertyInfo info;
    info.name = std::move(name);
    info.kind = kind;
    info.get = std::move(get);
    info.set = std::move(set);
    last_ = &info_.AddProperty(std::move(info));
    return *this;
  }

  TClassInfo& info_;
  TPropertyInfo* last_ = nullptr;
};

}  // namespace vorlan

#include "component/handler_registry.h"

namespace vorlan {

template <typename T>
template <typename G>
TPropertyBuilder<T>& TPropertyBuilder<T>::Event(std::string name, G event) {
  return Add(
      std::move(name), TPropertyKind::Event,
      [event](const TPersistent& o) {
        return TValue(std::invoke(event, const_cast<T&>(Self(o))).HandlerName());
      },
      [event](TPersistent& o, const TValue& v) {
        auto& target = std::invoke(event, Self(o));
        using Function = typename std::decay_t<decltype(target)>::Function;
        const std::string& handler = std::get<std::string>(v);
        if (handler.empty()) {
          target.Clear();
        } else {
          target.Bind(handler, Handlers().Find<Function>(handler));
        }
      });
}

template <typename T, typename P>
TClassInfo TClassInfo::Define(std::string name, const std::function<void(TPropertyBuilder<T>&)>& properties) {
  TFactory factory = nullptr;
  if constexpr (std::is_base_of_v<TComponent, T> && !std::is_abstract_v<T> &&
                std::is_constructible_v<T, TComponent*>) {
    factory = [](TComponent* owner) -> TComponent* { return new T(owner); };
  }
  const TClassInfo* parent = nullptr;
  if constexpr (!std::is_same_v<P, TPersistent>) parent = &P::StaticClassInfo();
  TClassInfo info(std::move(name), parent, factory);
  if (properties) {
    TPropertyBuilder<T> builder(info);
    properties(builder);
  }
  return info;
}

}  // namespace vorlan

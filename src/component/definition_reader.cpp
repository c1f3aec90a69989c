#include "component/definition_reader.h"

#include <algorithm>
#include <set>

#include "component/class_info.h"
#include "component/class_registry.h"
#include "component/collection.h"
#include "component/component.h"
#include "component/definition_syntax.h"

namespace vorlan {

namespace {

// A reference or handler name, settled after the whole text is read.
struct TFixup {
  TPersistent* target;
  const TPropertyInfo* property;
  std::string name;
  TSourcePos pos;
};

class TDefinitionReader {
 public:
  TDefinitionReader(TComponent& root, const TReadOptions& options) : root_(root), options_(options) {
    for (int i = 0; i < root.ComponentCount(); ++i) existing_.insert(root.Components(i));
  }

  void Read(const TObjectNode& tree) {
    const TClassInfo& root_class = root_.ClassInfo();
    if (!SameText(tree.class_name.name, root_class.Name())) {
      throw EReadError(tree.class_name.pos, "expected an object of class " + root_class.Name() + ", found " +
                                                tree.class_name.name);
    }
    if (options_.authoring) root_.SetStateFlag(csDesigning, true);
    root_.SetStateFlag(csLoading, true);
    SetName(root_, tree.name);
    loaded_.push_back(&root_);
    ReadProperties(root_, tree.properties, root_);
    ReadChildren(tree, nullptr);
    ResolveFixups();
    // Each component clears its own flag in Loaded, so the others still
    // read as loading while their turn comes; the root's pass at the end
    // clears whatever a Loaded override left set.
    for (TComponent* component : loaded_) component->Loaded();
    root_.SetStateFlag(csLoading, false);
  }

  // Frees what this read brought along, last first, and clears the flags.
  void Discard() {
    for (int i = root_.ComponentCount() - 1; i >= 0; --i) {
      if (i < root_.ComponentCount() && !existing_.count(root_.Components(i))) delete root_.Components(i);
    }
    root_.SetStateFlag(csLoading, false);
  }

 private:
  void ReadChildren(const TObjectNode& node, TComponent* parent) {
    for (const TObjectNode& child : node.children) {
      TComponent& component = CreateChild(child);
      if (parent) component.SetParentComponent(parent);
      ReadProperties(component, child.properties, component);
      ReadChildren(child, &component);
    }
  }

  TComponent& CreateChild(const TObjectNode& node) {
    const TClassInfo* info = Classes().Find(node.class_name.name);
    if (!info || !info->InheritsFrom(TComponent::StaticClassInfo())) {
      throw EReadError(node.class_name.pos, "unknown class " + node.class_name.name);
    }
    if (!info->CanCreate()) throw EReadError(node.class_name.pos, "the class " + info->Name() + " is abstract");
    if (TComponent* held = root_.FindComponent(node.name.name)) {
      // An object a constructor of this read made already (a standard path
      // specifier) is read into, not duplicated.
      bool ours = !existing_.count(held) && &held->ClassInfo() == info &&
                  std::find(loaded_.begin(), loaded_.end(), held) == loaded_.end();
      if (!ours) throw EReadError(node.name.pos, "a component named " + node.name.name + " already exists");
      held->SetStateFlag(csLoading, true);
      loaded_.push_back(held);
      return *held;
    }
    if (SameText(node.name.name, root_.Name())) {
      throw EReadError(node.name.pos, "a component named " + node.name.name + " already exists");
    }
    TComponent* component = info->Create(&root_);
    component->SetStateFlag(csLoading, true);
    loaded_.push_back(component);
    SetName(*component, node.name);
    return *component;
  }

  void SetName(TComponent& component, const TNameNode& name) {
    try {
      component.SetName(name.name);
    } catch (const Exception& e) {
      throw EReadError(name.pos, e.Message());
    }
  }

  // Reads properties into object; owner is the component that records
  // which were stored.
  void ReadProperties(TPersistent& object, const std::vector<TPropertyNode>& properties, TPersistent& owner) {
    std::vector<std::string> seen;
    for (const TPropertyNode& node : properties) {
      std::string path = JoinPath(node.path);
      if (std::any_of(seen.begin(), seen.end(), [&](const std::string& s) { return SameText(s, path); })) {
        throw EReadError(node.pos, "the property " + path + " is given twice");
      }
      seen.push_back(path);
      ReadProperty(object, node);
      owner.MarkPropertyStored(path);
    }
  }

  static std::string JoinPath(const std::vector<std::string>& path) {
    std::string joined;
    for (const std::string& name : path) joined += (joined.empty() ? "" : ".") + name;
    return joined;
  }

  void ReadProperty(TPersistent& object, const TPropertyNode& node) {
    TPersistent* target = &object;
    const TPropertyInfo* property = nullptr;
    for (size_t i = 0; i < node.path.size(); ++i) {
      property = target->ClassInfo().FindProperty(node.path[i]);
      if (!property) {
        throw EReadError(node.pos, "unknown property " + node.path[i] + " of class " + target->ClassInfo().Name());
      }
      if (i + 1 < node.path.size()) {
        if (property->kind != TPropertyKind::Object) {
          throw EReadError(node.pos, property->name + " is not a nested object");
        }
        target = property->object(*target);
      }
    }
    AssignValue(*target, *property, node.value);
  }

  [[noreturn]] static void WrongKind(const TPropertyInfo& property, const TValueNode& value) {
    throw EReadError(value.pos, "the property " + property.name + " expects " + PropertyKindName(property.kind) +
                                    ", found " + DescribeValueType(value.type));
  }

  void Require(const TPropertyInfo& property, const TValueNode& value, TValueNode::Type type) {
    if (value.type != type) WrongKind(property, value);
  }

  void AssignValue(TPersistent& target, const TPropertyInfo& property, const TValueNode& value) {
    switch (property.kind) {
      case TPropertyKind::Boolean:
        Require(property, value, TValueNode::Type::Identifier);
        if (SameText(value.text, "True")) return property.set(target, TValue(true));
        if (SameText(value.text, "False")) return property.set(target, TValue(false));
        WrongKind(property, value);
      case TPropertyKind::Integer:
        Require(property, value, TValueNode::Type::Integer);
        return property.set(target, TValue(value.integer));
      case TPropertyKind::String:
        Require(property, value, TValueNode::Type::String);
        return property.set(target, TValue(value.text));
      case TPropertyKind::Enumeration:
        Require(property, value, TValueNode::Type::Identifier);
        return property.set(target, TValue(int64_t{EnumValue(property, value.text, value.pos)}));
      case TPropertyKind::Set: {
        Require(property, value, TValueNode::Type::Set);
        int64_t mask = 0;
        for (const TNameNode& element : value.names) mask |= int64_t{1} << EnumValue(property, element.name, element.pos);
        return property.set(target, TValue(mask));
      }
      case TPropertyKind::StringList:
        Require(property, value, TValueNode::Type::List);
        return property.set(target, TValue(value.strings));
      case TPropertyKind::Binary:
        Require(property, value, TValueNode::Type::Binary);
        return property.set(target, TValue(value.bytes));
      case TPropertyKind::Reference:
      case TPropertyKind::Event:
        Require(property, value, TValueNode::Type::Identifier);
        fixups_.push_back({&target, &property, value.text, value.pos});
        return;
      case TPropertyKind::Collection:
        Require(property, value, TValueNode::Type::Collection);
        return ReadCollection(static_cast<TCollection&>(*property.object(target)), value);
      case TPropertyKind::Object:
        throw EReadError(value.pos, property.name + " is a nested object: give its properties as " + property.name +
                                        ".Name = value");
    }
  }

  static int EnumValue(const TPropertyInfo& property, const std::string& name, TSourcePos pos) {
    std::optional<int> ordinal = property.enum_info->Find(name);
    if (!ordinal || *ordinal >= 63) {
      throw EReadError(pos, name + " is not a value of " + property.enum_info->Name());
    }
    return *ordinal;
  }

  void ReadCollection(TCollection& collection, const TValueNode& value) {
    collection.Clear();
    for (const std::vector<TPropertyNode>& item : value.items) {
      TCollectionItem& added = collection.Add();
      ReadProperties(added, item, added);
    }
  }

  void ResolveFixups() {
    for (const TFixup& fixup : fixups_) {
      if (fixup.property->kind == TPropertyKind::Event) {
        try {
          fixup.property->set(*fixup.target, TValue(fixup.name));
        } catch (const EUnknownHandler& e) {
          throw EReadError(fixup.pos, e.Message());
        }
      } else {
        fixup.property->set(*fixup.target, TValue(FindReference(fixup)));
      }
    }
  }

  TComponent* FindReference(const TFixup& fixup) const {
    if (SameText(fixup.name, "nil")) return nullptr;
    TComponent* found = SameText(fixup.name, root_.Name()) ? &root_ : root_.FindComponent(fixup.name);
    if (!found) throw EReadError(fixup.pos, "no component named " + fixup.name + " for " + fixup.property->name);
    const TClassInfo& required = fixup.property->reference_class();
    if (!found->ClassInfo().InheritsFrom(required)) {
      throw EReadError(fixup.pos, found->Name() + " is a " + found->ClassName() + ", not a " + required.Name() +
                                      " as " + fixup.property->name +
                                      " requires");
    }
    return found;
  }

  TComponent& root_;
  TReadOptions options_;
  std::set<TComponent*> existing_;
  std::vector<TComponent*> loaded_;
  std::vector<TFixup> fixups_;
};

}  // namespace

std::unique_ptr<TComponent> ReadDefinition(std::string_view text, const TReadOptions& options) {
  TObjectNode tree = ParseDefinition(text);
  const TClassInfo* info = Classes().Find(tree.class_name.name);
  if (!info || !info->CanCreate() || !info->InheritsFrom(TComponent::StaticClassInfo())) {
    throw EReadError(tree.class_name.pos, "unknown class " + tree.class_name.name);
  }
  std::unique_ptr<TComponent> root(info->Create(nullptr));
  TDefinitionReader reader(*root, options);
  reader.Read(tree);
  return root;
}

void ReadDefinitionInto(TComponent& root, std::string_view text, const TReadOptions& options) {
  TObjectNode tree = ParseDefinition(text);
  TDefinitionReader reader(root, options);
  try {
    reader.Read(tree);
  } catch (...) {
    reader.Discard();
    throw;
  }
}

}  // namespace vorlan

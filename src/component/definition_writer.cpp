#include "component/definition_writer.h"

#include "component/class_info.h"
#include "component/collection.h"
#include "component/component.h"

namespace vorlan {

namespace {

// 'text' with '' for a quote and #n for control characters.
std::string QuoteString(const std::string& text) {
  if (text.empty()) return "''";
  std::string out;
  bool quoted = false;
  for (char c : text) {
    if (static_cast<unsigned char>(c) < ' ') {
      if (quoted) out += '\'';
      quoted = false;
      out += '#' + std::to_string(static_cast<unsigned char>(c));
    } else {
      if (!quoted) out += '\'';
      quoted = true;
      out += c == '\'' ? "''" : std::string(1, c);
    }
  }
  if (quoted) out += '\'';
  return out;
}

std::string Indent(int level) { return std::string(static_cast<size_t>(level) * 2, ' '); }

class TDefinitionWriter {
 public:
  explicit TDefinitionWriter(const TComponent& root) : root_(root) {}

  std::string Write() {
    WriteComponent(root_, 0);
    return std::move(out_);
  }

 private:
  void WriteComponent(const TComponent& component, int level) {
    out_ += Indent(level) + "object " + component.Name() + ": " + component.ClassName() + "\n";
    WriteProperties(component, "", level + 1);
    for (int i = 0; i < root_.ComponentCount(); ++i) {
      const TComponent* child = root_.Components(i);
      if (child->Name().empty()) continue;
      const TComponent* parent = child->ParentComponent();
      bool here = (&component == &root_) ? (!parent || parent == &root_) : parent == &component;
      if (here) WriteComponent(*child, level + 1);
    }
    out_ += Indent(level) + "end\n";
  }

  void WriteProperties(const TPersistent& object, const std::string& prefix, int level) {
    for (const TPropertyInfo* property : object.ClassInfo().AllProperties()) {
      if (property->kind == TPropertyKind::Object) {
        TPersistent* nested = property->object(const_cast<TPersistent&>(object));
        if (nested) WriteProperties(*nested, prefix + property->name + ".", level);
      } else if (property->IsStored(object)) {
        out_ += Indent(level) + prefix + property->name + " = ";
        WriteValue(object, *property, level);
        out_ += "\n";
      }
    }
  }

  void WriteValue(const TPersistent& object, const TPropertyInfo& property, int level) {
    if (property.kind == TPropertyKind::Collection) {
      return WriteCollection(static_cast<TCollection&>(*property.object(const_cast<TPersistent&>(object))), level);
    }
    TValue value = property.get(object);
    switch (property.kind) {
      case TPropertyKind::Boolean: out_ += std::get<bool>(value) ? "True" : "False"; break;
      case TPropertyKind::Integer: out_ += std::to_string(std::get<int64_t>(value)); break;
      case TPropertyKind::String: out_ += QuoteString(std::get<std::string>(value)); break;
      case TPropertyKind::Event: out_ += std::get<std::string>(value); break;
      case TPropertyKind::Enumeration: out_ += EnumName(property, std::get<int64_t>(value)); break;
      case TPropertyKind::Set: WriteSet(property, std::get<int64_t>(value)); break;
      case TPropertyKind::Reference: WriteReference(std::get<TComponent*>(value)); break;
      case TPropertyKind::StringList: WriteStringList(std::get<TStringList>(value), level); break;
      case TPropertyKind::Binary: WriteBinary(std::get<TBytes>(value), level); break;
      case TPropertyKind::Object:
      case TPropertyKind::Collection: break;
    }
  }

  static std::string EnumName(const TPropertyInfo& property, int64_t ordinal) {
    const auto& values = property.enum_info->Values();
    return ordinal >= 0 && ordinal < static_cast<int64_t>(values.size()) ? values[ordinal] : std::to_string(ordinal);
  }

  void WriteSet(const TPropertyInfo& property, int64_t mask) {
    out_ += '[';
    bool first = true;
    for (size_t i = 0; i < property.enum_info->Values().size() && i < 63; ++i) {
      if (!(mask & (int64_t{1} << i))) continue;
      out_ += (first ? "" : ", ") + property.enum_info->Values()[i];
      first = false;
    }
    out_ += ']';
  }

  void WriteReference(const TComponent* target) { out_ += target ? target->Name() : "nil"; }

  void WriteStringList(const TStringList& lines, int level) {
    out_ += '(';
    for (const std::string& line : lines) out_ += "\n" + Indent(level + 1) + QuoteString(line);
    out_ += ')';
  }

  void WriteBinary(const TBytes& bytes, int level) {
    static const char kHex[] = "0123456789ABCDEF";
    out_ += '{';
    for (size_t i = 0; i < bytes.size(); ++i) {
      if (i % 32 == 0) out_ += "\n" + Indent(level + 1);
      out_ += kHex[bytes[i] >> 4];
      out_ += kHex[bytes[i] & 15];
    }
    out_ += '}';
  }

  void WriteCollection(const TCollection& collection, int level) {
    out_ += '<';
    for (int i = 0; i < collection.Count(); ++i) {
      out_ += "\n" + Indent(level + 1) + "item\n";
      WriteProperties(collection.Items(i), "", level + 2);
      out_ += Indent(level + 1) + "end";
    }
    out_ += '>';
  }

  const TComponent& root_;
  std::string out_;
};

}  // namespace

std::string WriteDefinition(const TComponent& root) { return TDefinitionWriter(root).Write(); }

}  // namespace vorlan

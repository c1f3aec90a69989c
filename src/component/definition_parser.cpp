#include "component/definition_lexer.h"
#include "component/definition_syntax.h"

namespace vorlan {

namespace {

// Objects and collections nest; a bound keeps a hostile text from
// exhausting the stack.
constexpr int kMaxDepth = 64;

class TDefinitionParser {
 public:
  explicit TDefinitionParser(std::string_view text) : lexer_(text) { Advance(); }

  TObjectNode ParseRoot() {
    TObjectNode root = ParseObject(0);
    if (token_.type != TToken::Type::End) Fail("the end of the text");
    return root;
  }

 private:
  void Advance() { token_ = lexer_.Next(); }

  [[noreturn]] void Fail(const std::string& expected) const {
    throw EReadError(token_.pos, "expected " + expected + ", found " + token_.Describe());
  }

  void Expect(char symbol) {
    if (!token_.Is(symbol)) Fail(std::string("'") + symbol + "'");
    Advance();
  }

  TNameNode ExpectName(const std::string& what) {
    if (token_.type != TToken::Type::Identifier) Fail(what);
    TNameNode name{token_.text, token_.pos};
    Advance();
    return name;
  }

  void CheckDepth(int depth) const {
    if (depth > kMaxDepth) throw EReadError(token_.pos, "objects nested too deeply");
  }

  TObjectNode ParseObject(int depth) {
    CheckDepth(depth);
    if (!token_.IsWord("object")) Fail("'object'");
    TSourcePos start = token_.pos;
    Advance();
    TObjectNode node;
    node.name = ExpectName("a component name");
    Expect(':');
    node.class_name = ExpectName("a class name");
    for (;;) {
      if (token_.IsWord("end")) break;
      if (token_.type == TToken::Type::End) {
        throw EReadError(token_.pos, "unterminated object " + node.name.name + " (begun at line " +
                                         std::to_string(start.line) + "): expected 'end'");
      }
      if (token_.IsWord("object")) {
        node.children.push_back(ParseObject(depth + 1));
      } else {
        node.properties.push_back(ParseProperty(depth));
      }
    }
    Advance();
    return node;
  }

  TPropertyNode ParseProperty(int depth) {
    TPropertyNode node;
    node.pos = token_.pos;
    node.path.push_back(ExpectName("a property name, 'object' or 'end'").name);
    while (token_.Is('.')) {
      Advance();
      node.path.push_back(ExpectName("a property name after '.'").name);
    }
    Expect('=');
    node.value = ParseValue(depth);
    return node;
  }

  TValueNode ParseValue(int depth) {
    TValueNode value;
    value.pos = token_.pos;
    switch (token_.type) {
      case TToken::Type::Identifier:
        value.type = TValueNode::Type::Identifier;
        value.text = token_.text;
        Advance();
        return value;
      case TToken::Type::String:
        value.type = TValueNode::Type::String;
        value.text = ParseString();
        return value;
      case TToken::Type::Integer:
        value.type = TValueNode::Type::Integer;
        value.integer = token_.integer;
        Advance();
        return value;
      case TToken::Type::Binary:
        value.type = TValueNode::Type::Binary;
        value.bytes = std::move(token_.bytes);
        Advance();
        return value;
      default:
        break;
    }
    if (token_.Is('[')) return ParseSet(value);
    if (token_.Is('(')) return ParseList(value);
    if (token_.Is('<')) return ParseCollection(value, depth);
    Fail("a value");
  }

  // 'one' + 'two' continues a string over several lines.
  std::string ParseString() {
    std::string text = token_.text;
    Advance();
    while (token_.Is('+')) {
      Advance();
      if (token_.type != TToken::Type::String) Fail("a string after '+'");
      text += token_.text;
      Advance();
    }
    return text;
  }

  TValueNode ParseSet(TValueNode& value) {
    value.type = TValueNode::Type::Set;
    Advance();
    if (!token_.Is(']')) {
      for (;;) {
        value.names.push_back(ExpectName("a set element"));
        if (token_.Is(']')) break;
        if (!token_.Is(',')) Fail("',' or ']'");
        Advance();
      }
    }
    Advance();
    return std::move(value);
  }

  TValueNode ParseList(TValueNode& value) {
    value.type = TValueNode::Type::List;
    Advance();
    while (!token_.Is(')')) {
      if (token_.type != TToken::Type::String) {
        if (token_.type == TToken::Type::End) throw EReadError(value.pos, "unterminated string list: expected ')'");
        Fail("a string or ')'");
      }
      value.strings.push_back(ParseString());
    }
    Advance();
    return std::move(value);
  }

  TValueNode ParseCollection(TValueNode& value, int depth) {
    CheckDepth(depth + 1);
    value.type = TValueNode::Type::Collection;
    Advance();
    while (!token_.Is('>')) {
      if (token_.type == TToken::Type::End) throw EReadError(value.pos, "unterminated collection: expected '>'");
      if (!token_.IsWord("item")) Fail("'item' or '>'");
      TSourcePos item_pos = token_.pos;
      Advance();
      std::vector<TPropertyNode> item;
      while (!token_.IsWord("end")) {
        if (token_.type == TToken::Type::End) {
          throw EReadError(item_pos, "unterminated collection item: expected 'end'");
        }
        item.push_back(ParseProperty(depth + 1));
      }
      Advance();
      value.items.push_back(std::move(item));
    }
    Advance();
    return std::move(value);
  }

  TDefinitionLexer lexer_;
  TToken token_;
};

}  // namespace

TObjectNode ParseDefinition(std::string_view text) { return TDefinitionParser(text).ParseRoot(); }

std::string DescribeValueType(TValueNode::Type type) {
  switch (type) {
    case TValueNode::Type::Identifier: return "a name";
    case TValueNode::Type::String: return "a string";
    case TValueNode::Type::Integer: return "a number";
    case TValueNode::Type::Set: return "a set";
    case TValueNode::Type::List: return "a string list";
    case TValueNode::Type::Collection: return "a collection";
    case TValueNode::Type::Binary: return "binary data";
  }
  return "?";
}

}  // namespace vorlan

#include "component/definition_lexer.h"

#include <limits>

#include "base/strings.h"

namespace vorlan {

namespace {
bool IsNameStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}
}  // namespace

bool TToken::IsWord(std::string_view word) const { return type == Type::Identifier && SameText(text, word); }

std::string TToken::Describe() const {
  switch (type) {
    case Type::End: return "the end of the text";
    case Type::Identifier: return "'" + text + "'";
    case Type::String: return "a string";
    case Type::Integer: return "a number";
    case Type::Binary: return "binary data";
    case Type::Symbol: return "'" + text + "'";
  }
  return "?";
}

void TDefinitionLexer::Advance() {
  if (text_[pos_] == '\n') {
    ++line_;
    column_ = 1;
  } else {
    ++column_;
  }
  ++pos_;
}

void TDefinitionLexer::SkipBlanksAndComments() {
  while (!AtEnd()) {
    if (static_cast<unsigned char>(Peek()) <= ' ') {
      Advance();
    } else if (Peek() == '/' && Peek(1) == '/') {
      while (!AtEnd() && Peek() != '\n') Advance();
    } else {
      return;
    }
  }
}

TToken TDefinitionLexer::Next() {
  SkipBlanksAndComments();
  TToken token;
  token.pos = Here();
  if (AtEnd()) return token;
  char c = Peek();
  if (IsNameStart(c)) {
    token.type = TToken::Type::Identifier;
    while (IsNameStart(Peek()) || IsDigit(Peek())) {
      token.text += Peek();
      Advance();
    }
    return token;
  }
  if (c == '\'' || c == '#') return ReadString();
  if (IsDigit(c) || c == '$' || (c == '-' && (IsDigit(Peek(1)) || Peek(1) == '$'))) return ReadInteger();
  if (c == '{') return ReadBinary();
  if (std::string_view("=:.,[]()<>+").find(c) != std::string_view::npos) {
    token.type = TToken::Type::Symbol;
    token.text = std::string(1, c);
    Advance();
    return token;
  }
  throw EReadError(token.pos, "unexpected character '" + std::string(1, c) + "'");
}

TToken TDefinitionLexer::ReadString() {
  TToken token;
  token.type = TToken::Type::String;
  token.pos = Here();
  while (Peek() == '\'' || Peek() == '#') {
    TSourcePos part = Here();
    if (Peek() == '#') {
      Advance();
      if (!IsDigit(Peek())) throw EReadError(part, "expected a character code after '#'");
      int code = 0;
      while (IsDigit(Peek())) {
        code = code * 10 + (Peek() - '0');
        if (code > 255) throw EReadError(part, "character code above 255");
        Advance();
      }
      token.text += static_cast<char>(code);
      continue;
    }
    Advance();
    for (;;) {
      if (AtEnd() || Peek() == '\n' || Peek() == '\r') throw EReadError(part, "unterminated string");
      if (Peek() == '\'') {
        Advance();
        if (Peek() != '\'') break;
      }
      token.text += Peek();
      Advance();
    }
  }
  return token;
}

TToken TDefinitionLexer::ReadInteger() {
  TToken token;
  token.type = TToken::Type::Integer;
  token.pos = Here();
  bool negative = Peek() == '-';
  if (negative) Advance();
  bool hex = Peek() == '$';
  if (hex) Advance();
  unsigned base = hex ? 16 : 10;
  uint64_t value = 0;
  int digits = 0;
  for (int d; (d = HexValue(Peek())) >= 0 && static_cast<unsigned>(d) < base; ++digits) {
    if (value > (std::numeric_limits<uint64_t>::max() - d) / base) throw EReadError(token.pos, "number too large");
    value = value * base + d;
    Advance();
  }
  if (digits == 0) throw EReadError(token.pos, "expected digits");
  if (IsNameStart(Peek()) || IsDigit(Peek())) throw EReadError(Here(), "unexpected character in a number");
  uint64_t limit = negative ? uint64_t{1} << 63 : (hex ? std::numeric_limits<uint64_t>::max()
                                                       : static_cast<uint64_t>(std::numeric_limits<int64_t>::max()));
  if (value > limit) throw EReadError(token.pos, "number too large");
  token.integer = negative ? static_cast<int64_t>(0 - value) : static_cast<int64_t>(value);
  return token;
}

TToken TDefinitionLexer::ReadBinary() {
  TToken token;
  token.type = TToken::Type::Binary;
  token.pos = Here();
  Advance();
  int high = -1;
  for (;;) {
    SkipBlanksAndComments();
    if (AtEnd()) throw EReadError(token.pos, "unterminated binary data (missing '}')");
    char c = Peek();
    if (c == '}') break;
    int digit = HexValue(c);
    if (digit < 0) throw EReadError(Here(), "expected a hexadecimal digit in binary data");
    if (high < 0) {
      high = digit;
    } else {
      token.bytes.push_back(static_cast<uint8_t>(high << 4 | digit));
      high = -1;
    }
    Advance();
  }
  if (high >= 0) throw EReadError(token.pos, "binary data with an odd number of hexadecimal digits");
  Advance();
  return token;
}

}  // namespace vorlan

#pragma once
// Splits definition text into tokens: names, strings ('it''s' and #13
// character codes run together), integers (decimal or $hex), binary data in
// braces, and punctuation. "//" starts a comment.

#include <cstdint>
#include <string>
#include <string_view>

#include "component/read_error.h"
#include "component/value.h"

namespace vorlan {

struct TToken {
  enum class Type { End, Identifier, String, Integer, Binary, Symbol };
  Type type = Type::End;
  TSourcePos pos;
  std::string text;  // identifier, string, or the symbol character
  int64_t integer = 0;
  TBytes bytes;

  bool Is(char symbol) const { return type == Type::Symbol && text[0] == symbol; }
  bool IsWord(std::string_view word) const;
  std::string Describe() const;
};

class TDefinitionLexer {
 public:
  explicit TDefinitionLexer(std::string_view text) : text_(text) {}
  // Raises EReadError on a malformed token.
  TToken Next();

 private:
  char Peek(size_t ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }
  bool AtEnd() const { return pos_ >= text_.size(); }
  void Advance();
  void SkipBlanksAndComments();
  TToken ReadString();
  TToken ReadInteger();
  TToken ReadBinary();
  TSourcePos Here() const { return {line_, column_}; }

  std::string_view text_;
  size_t pos_ = 0;
  int line_ = 1;
  int column_ = 1;
};

}  // namespace vorlan

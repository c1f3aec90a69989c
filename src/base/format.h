#pragma once
// Format: the system's message formatting. Directives are
//   % [index:] [-] [0] [width] [.precision] type
// with type s (text), d (signed), u (unsigned), x (upper-case hexadecimal),
// c (character) and %% for a percent sign. Width and precision may be "*".
// The index (from 0) picks the argument; the directives after it go on from
// there. For d, u and x the precision is the minimum number of digits (%.8x
// gives eight hexadecimal digits); for s it is the maximum number of
// characters. A "*" width below zero left-aligns. x shows a negative number
// as its two's complement in the argument's width (32 bits unless the
// argument was 64-bit), so -601 gives FFFFFDA7.
// A directive without a matching argument, with an argument of the wrong
// kind, or of an unknown type raises EConvertError, as does a width or
// precision above kMaxFormatWidth; surplus arguments are ignored, so a
// translated format may leave one out.

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace vorlan {

inline constexpr int kMaxFormatWidth = 100000;

class FormatArg {
 public:
  enum class Kind { Signed, Unsigned, Text };

  template <typename T>
    requires std::is_integral_v<T> && (!std::is_same_v<T, bool>)
  FormatArg(T value) {  // NOLINT(google-explicit-constructor)
    if constexpr (std::is_signed_v<T>) {
      kind_ = Kind::Signed;
      signed_ = value;
      wide_ = sizeof(T) > 4;
    } else {
      kind_ = Kind::Unsigned;
      unsigned_ = value;
      wide_ = sizeof(T) > 4;
    }
  }
  // A template, so that a pointer does not quietly turn into a Boolean.
  template <typename T>
    requires std::is_same_v<T, bool>
  FormatArg(T value) : kind_(Kind::Signed), signed_(value ? 1 : 0) {}  // NOLINT
  FormatArg(std::string_view text) : kind_(Kind::Text), text_(text) {}    // NOLINT
  FormatArg(const std::string& text) : kind_(Kind::Text), text_(text) {}  // NOLINT
  FormatArg(const char* text) : kind_(Kind::Text), text_(text ? text : "") {}  // NOLINT

  Kind kind() const { return kind_; }
  int64_t signed_value() const { return signed_; }
  uint64_t unsigned_value() const { return unsigned_; }
  std::string_view text() const { return text_; }
  bool wide() const { return wide_; }

 private:
  Kind kind_;
  int64_t signed_ = 0;
  uint64_t unsigned_ = 0;
  std::string_view text_;
  bool wide_ = false;
};

std::string FormatArgs(std::string_view format, const std::vector<FormatArg>& args);

template <typename... Args>
std::string Format(std::string_view format, const Args&... args) {
  return FormatArgs(format, std::vector<FormatArg>{FormatArg(args)...});
}

}  // namespace vorlan

#pragma once
// Format: the system's message formatting. Directives are
//   % [index:] [-] [0] [width] [.precision] type
// with type s (text), d (signed), u (unsigned), x (upper-case hexadecimal),
// c (character) and %% for a percent sign. Width and precision may be "*".
// For d, u and x the precision is the minimum number of digits (%.8x gives
// eight hexadecimal digits); for s it is the maximum number of characters.
// A directive without a matching argument, or with an argument of the wrong
// kind, raises EConvertError; surplus arguments are ignored, so a translated
// format may leave one out.

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace vorlan {

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
  FormatArg(bool value) : kind_(Kind::Signed), signed_(value ? 1 : 0) {}  // NOLINT
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

#include "base/format.h"

#include <optional>

#include "base/exceptions.h"

namespace vorlan {

namespace {

struct Directive {
  bool left = false;
  bool zero = false;
  int width = -1;
  int precision = -1;
  char type = 0;
};

[[noreturn]] void Invalid(std::string_view format) {
  throw EConvertError("Format '" + std::string(format) + "' invalid or incompatible with argument");
}

class Formatter {
 public:
  Formatter(std::string_view format, const std::vector<FormatArg>& args)
      : format_(format), args_(args) {}

  std::string Run() {
    std::string out;
    out.reserve(format_.size() + 16 * args_.size());
    while (pos_ < format_.size()) {
      char c = format_[pos_++];
      if (c != '%') {
        out += c;
      } else if (Peek() == '%') {
        ++pos_;
        out += '%';
      } else {
        Directive d = ParseDirective();
        Pad(out, Convert(d, NextArg()), d);
      }
    }
    return out;
  }

 private:
  char Peek() const { return pos_ < format_.size() ? format_[pos_] : '\0'; }
  bool AtDigit() const { return Peek() >= '0' && Peek() <= '9'; }

  const FormatArg& NextArg() {
    if (next_arg_ >= args_.size()) Invalid(format_);
    return args_[next_arg_++];
  }

  int ParseDigits() {
    int value = 0;
    while (AtDigit()) {
      value = value * 10 + (format_[pos_++] - '0');
      if (value > kMaxFormatWidth) Invalid(format_);
    }
    return value;
  }

  // A number, "*" (taken from the arguments, may be negative), or nothing.
  std::optional<int> ParseNumber() {
    if (Peek() != '*') return AtDigit() ? std::optional<int>(ParseDigits()) : std::nullopt;
    ++pos_;
    const FormatArg& arg = NextArg();
    if (arg.kind() == FormatArg::Kind::Text) Invalid(format_);
    if (arg.kind() == FormatArg::Kind::Unsigned && arg.unsigned_value() > kMaxFormatWidth) Invalid(format_);
    int64_t value = arg.kind() == FormatArg::Kind::Signed ? arg.signed_value()
                                                          : static_cast<int64_t>(arg.unsigned_value());
    if (value > kMaxFormatWidth || value < -kMaxFormatWidth) Invalid(format_);
    return static_cast<int>(value);
  }

  // An index is digits followed by ":"; anything else is read again as flags and width.
  void ParseIndex() {
    size_t start = pos_;
    if (AtDigit()) {
      int index = ParseDigits();
      if (Peek() == ':') {
        ++pos_;
        next_arg_ = static_cast<size_t>(index);
        return;
      }
    }
    pos_ = start;
  }

  Directive ParseDirective() {
    Directive d;
    ParseIndex();
    for (;; ++pos_) {
      if (Peek() == '-') d.left = true;
      else if (Peek() == '0') d.zero = true;
      else break;
    }
    if (auto width = ParseNumber()) {
      d.left = d.left || *width < 0;
      d.width = *width < 0 ? -*width : *width;
    }
    if (Peek() == '.') {
      ++pos_;
      // "%.d" asks for no digits at all; a negative "*" is as if none was given.
      d.precision = ParseNumber().value_or(0);
      if (d.precision < 0) d.precision = -1;
    }
    if (pos_ >= format_.size()) Invalid(format_);
    d.type = static_cast<char>(format_[pos_++] | 0x20);
    return d;
  }

  std::string Convert(const Directive& d, const FormatArg& arg) {
    bool text = arg.kind() == FormatArg::Kind::Text;
    switch (d.type) {
      case 's': {
        if (!text) Invalid(format_);
        std::string_view s = arg.text();
        if (d.precision >= 0 && static_cast<size_t>(d.precision) < s.size()) s = s.substr(0, d.precision);
        return std::string(s);
      }
      case 'c':
        if (text) Invalid(format_);
        return std::string(1, static_cast<char>(arg.kind() == FormatArg::Kind::Signed ? arg.signed_value()
                                                                                      : arg.unsigned_value()));
      case 'd': {
        if (text) Invalid(format_);
        if (arg.kind() == FormatArg::Kind::Unsigned) return Digits(arg.unsigned_value(), 10, d);
        int64_t v = arg.signed_value();
        std::string digits = Digits(v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v), 10, d);
        return v < 0 ? "-" + digits : digits;
      }
      case 'u':
      case 'x':
        if (text) Invalid(format_);
        return Digits(Unsigned(arg), d.type == 'x' ? 16 : 10, d);
      default:
        Invalid(format_);
    }
  }

  // Negative numbers show as their two's complement in the width of the
  // argument (32 bits unless it was a 64-bit type).
  static uint64_t Unsigned(const FormatArg& arg) {
    if (arg.kind() == FormatArg::Kind::Unsigned) return arg.unsigned_value();
    uint64_t v = static_cast<uint64_t>(arg.signed_value());
    return arg.wide() ? v : (v & 0xFFFFFFFFu);
  }

  static std::string Digits(uint64_t v, unsigned base, const Directive& d) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string s;
    do {
      s.insert(s.begin(), kDigits[v % base]);
      v /= base;
    } while (v != 0);
    if (d.precision > static_cast<int>(s.size())) s.insert(0, d.precision - s.size(), '0');
    return s;
  }

  static void Pad(std::string& out, const std::string& value, const Directive& d) {
    size_t fill = d.width > static_cast<int>(value.size()) ? d.width - value.size() : 0;
    if (d.left) {
      out += value;
      out.append(fill, ' ');
    } else if (d.zero && d.type != 's' && d.type != 'c') {
      bool negative = !value.empty() && value[0] == '-';
      if (negative) out += '-';
      out.append(fill, '0');
      out.append(value, negative ? 1 : 0);
    } else {
      out.append(fill, ' ');
      out += value;
    }
  }

  std::string_view format_;
  const std::vector<FormatArg>& args_;
  size_t pos_ = 0;
  size_t next_arg_ = 0;
};

}  // namespace

std::string FormatArgs(std::string_view format, const std::vector<FormatArg>& args) {
  return Formatter(format, args).Run();
}

}  // namespace vorlan

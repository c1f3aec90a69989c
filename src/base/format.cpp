#include "base/format.h"

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

  const FormatArg& NextArg() {
    if (next_arg_ >= args_.size()) Invalid(format_);
    return args_[next_arg_++];
  }

  // A number, "*" (taken from the arguments), or -1 when absent.
  int ParseNumber() {
    if (Peek() == '*') {
      ++pos_;
      const FormatArg& arg = NextArg();
      if (arg.kind() == FormatArg::Kind::Text) Invalid(format_);
      return static_cast<int>(arg.signed_value() + static_cast<int64_t>(arg.unsigned_value()));
    }
    if (Peek() < '0' || Peek() > '9') return -1;
    int value = 0;
    while (Peek() >= '0' && Peek() <= '9') {
      value = value * 10 + (format_[pos_++] - '0');
      if (value > 100000) Invalid(format_);
    }
    return value;
  }

  Directive ParseDirective() {
    Directive d;
    size_t start = pos_;
    int number = ParseNumber();
    if (Peek() == ':') {  // an argument index
      if (number < 0) Invalid(format_);
      ++pos_;
      next_arg_ = static_cast<size_t>(number);
    } else {
      pos_ = start;
    }
    for (;; ++pos_) {
      if (Peek() == '-') d.left = true;
      else if (Peek() == '0') d.zero = true;
      else break;
    }
    d.width = ParseNumber();
    if (Peek() == '.') {
      ++pos_;
      d.precision = ParseNumber();
      if (d.precision < 0) d.precision = 0;
    }
    d.type = static_cast<char>(Peek() | 0x20);
    if (pos_ >= format_.size()) Invalid(format_);
    ++pos_;
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
        return std::string(1, static_cast<char>(Integer(arg)));
      case 'd': {
        if (text) Invalid(format_);
        int64_t v = arg.kind() == FormatArg::Kind::Signed ? arg.signed_value()
                                                          : static_cast<int64_t>(arg.unsigned_value());
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

  static int64_t Integer(const FormatArg& arg) {
    return arg.kind() == FormatArg::Kind::Signed ? arg.signed_value()
                                                 : static_cast<int64_t>(arg.unsigned_value());
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

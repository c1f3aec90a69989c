#include "base/strings.h"

#include <algorithm>
#include <charconv>

namespace vorlan {

std::string AddBackslash(std::string_view path) {
  std::string result(path);
  if (!result.empty() && result.back() != '\\') result += '\\';
  return result;
}

std::string RemoveBackslash(std::string_view path) {
  if (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  return std::string(path);
}

std::string ExtractField(std::string_view text, int n, char separator) {
  if (n < 1) return {};
  size_t start = 0;
  for (int field = 1; field < n; ++field) {
    size_t next = text.find(separator, start);
    if (next == std::string_view::npos) return {};
    start = next + 1;
  }
  size_t end = text.find(separator, start);
  return std::string(text.substr(start, end == std::string_view::npos ? end : end - start));
}

int CountFields(std::string_view text, char separator) {
  if (text.empty()) return 0;
  int count = static_cast<int>(std::count(text.begin(), text.end(), separator)) + 1;
  if (text.back() == ';' && separator == ';') --count;
  return count;
}

void SplitFields(std::string_view text, char separator, TStringList& list) {
  list.clear();
  int count = CountFields(text, separator);
  size_t start = 0;
  for (int field = 0; field < count; ++field) {
    size_t end = text.find(separator, start);
    if (end == std::string_view::npos) end = text.size();
    list.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
}

void TextAfterColon(std::string_view text, std::string& result) {
  size_t colon = text.find(':');
  if (colon != std::string_view::npos) result = std::string(text.substr(colon + 1));
}

std::string CleanFileName(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (char c : text) {
    if (c == '/') {
      result += '-';
    } else if (std::string_view("\"*:;<>?\\|").find(c) == std::string_view::npos) {
      result += c;
    }
  }
  return result;
}

std::string Trim(std::string_view text) {
  size_t start = 0;
  size_t end = text.size();
  while (start < end && static_cast<unsigned char>(text[start]) <= ' ') ++start;
  while (end > start && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
  return std::string(text.substr(start, end - start));
}

namespace {
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }
}  // namespace

std::string UpperCase(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(), Upper);
  return result;
}

std::string LowerCase(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(), Lower);
  return result;
}

bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

bool StartsWithText(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
}

bool EndsWithText(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && SameText(text.substr(text.size() - suffix.size()), suffix);
}

std::string IntToStr(int64_t value) { return std::to_string(value); }

std::optional<int64_t> TryStrToInt(std::string_view text) {
  std::string trimmed = Trim(text);
  std::string_view digits = trimmed;
  if (!digits.empty() && digits[0] == '+') {
    digits.remove_prefix(1);
    if (!digits.empty() && digits[0] == '-') return std::nullopt;
  }
  int64_t value = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

int64_t StrToIntDef(std::string_view text, int64_t fallback) {
  return TryStrToInt(text).value_or(fallback);
}

namespace {
size_t LastSeparator(std::string_view path) { return path.find_last_of("\\/:"); }
}  // namespace

std::string ExtractFileName(std::string_view path) {
  size_t sep = LastSeparator(path);
  return std::string(sep == std::string_view::npos ? path : path.substr(sep + 1));
}

std::string ExtractFilePath(std::string_view path) {
  size_t sep = LastSeparator(path);
  return sep == std::string_view::npos ? std::string() : std::string(path.substr(0, sep + 1));
}

std::string ExtractFileDir(std::string_view path) {
  size_t sep = LastSeparator(path);
  if (sep == std::string_view::npos) return {};
  // A drive root keeps its separator: the directory of "C:\x" is "C:\".
  if (sep > 0 && path[sep] != ':' && path[sep - 1] != ':') return std::string(path.substr(0, sep));
  return std::string(path.substr(0, sep + 1));
}

std::string ExtractFileExt(std::string_view path) {
  size_t dot = path.find_last_of(".\\/:");
  if (dot == std::string_view::npos || path[dot] != '.') return {};
  return std::string(path.substr(dot));
}

std::string ChangeFileExt(std::string_view path, std::string_view extension) {
  size_t dot = path.find_last_of(".\\/:");
  if (dot != std::string_view::npos && path[dot] == '.') path = path.substr(0, dot);
  return std::string(path) + std::string(extension);
}

}  // namespace vorlan

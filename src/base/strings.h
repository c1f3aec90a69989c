#pragma once
// String and path helpers shared by every subsystem. Paths are kept without
// a trailing backslash and joined with AddBackslash.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

using TStringList = std::vector<std::string>;

// Appends "\" unless the path is empty or already ends in one.
std::string AddBackslash(std::string_view path);
// Removes one trailing "\".
std::string RemoveBackslash(std::string_view path);

// The n-th field (from 1) of text split at separator; empty when missing.
std::string ExtractField(std::string_view text, int n, char separator);
// Separators plus one; a text ending in ";" does not count its empty last
// field; 0 for an empty text.
int CountFields(std::string_view text, char separator);
// Clears list and adds fields 1 ... CountFields in order.
void SplitFields(std::string_view text, char separator, TStringList& list);
// Sets result to everything after the first ":"; unchanged without a colon.
void TextAfterColon(std::string_view text, std::string& result);
// "/" becomes "-"; the characters " * : ; < > ? \ | are dropped.
std::string CleanFileName(std::string_view text);

std::string Trim(std::string_view text);
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);
// ASCII case-insensitive comparison, as Windows compares names.
bool SameText(std::string_view a, std::string_view b);
bool StartsWithText(std::string_view text, std::string_view prefix);
bool EndsWithText(std::string_view text, std::string_view suffix);

std::string IntToStr(int64_t value);
// A whole decimal number with an optional sign and surrounding blanks.
std::optional<int64_t> TryStrToInt(std::string_view text);
int64_t StrToIntDef(std::string_view text, int64_t fallback);

// The parts of a Windows path ("\" or "/" separated).
std::string ExtractFileName(std::string_view path);
std::string ExtractFilePath(std::string_view path);  // with its trailing separator
std::string ExtractFileDir(std::string_view path);   // without it
std::string ExtractFileExt(std::string_view path);   // with the dot
std::string ChangeFileExt(std::string_view path, std::string_view extension);

}  // namespace vorlan

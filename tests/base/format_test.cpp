#include "base/format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "base/exceptions.h"

namespace vorlan {
namespace {

struct FormatCase {
  std::string expected;
  std::string actual;
};

TEST(Format, FillsTheDirectivesOfTheMessages) {
  const FormatCase cases[] = {
      {"Install3", Format("Install%d", 3)},
      {"a and b", Format("%s and %s", "a", std::string("b"))},
      {"view", Format("%s", std::string_view("view"))},
      {"-42 42", Format("%d %u", -42, 42u)},
      {"2147483647 -2147483648", Format("%d %d", INT32_MAX, INT32_MIN)},
      {"-9223372036854775808", Format("%d", INT64_MIN)},
      {"18446744073709551615", Format("%d", UINT64_MAX)},
      {"4294967295", Format("%u", -1)},
      {"18446744073709551615", Format("%u", int64_t{-1})},
      {"8801", Format("%x", 0x8801)},
      {"ABCDEF", Format("%x", 0xabcdef)},
      {"00008801", Format("%.8x", 0x8801)},
      {"FFFFFDA7", Format("%.8x", -601)},
      {"FFFFFDA7", Format("%x", -601)},
      {"FFFFFFFFFFFFFDA7", Format("%x", int64_t{-601})},
      {"0012", Format("%.4x", 0x12)},
      {"NDS: List code FFFFFDA7", Format("NDS: %s code %s", "List", Format("%.8x", -601))},
      {"Install1 must be a TCustomInstallShellLink to use the psObjectLink path specifier",
       Format("%s must be a %s to use the %s path specifier", "Install1", "TCustomInstallShellLink",
              "psObjectLink")},
      {"A", Format("%c", 'A')},
      {"1 0", Format("%d %d", true, false)},
      {"100%", Format("100%%")},
      {"%d", Format("%%d", 5)},
      {"%s", Format("%s", "%s")},
      {"", Format("")},
      {"DAB", Format("%S%X", "D", 0xab)},
  };
  for (const auto& c : cases) EXPECT_EQ(c.actual, c.expected);
}

TEST(Format, WidthsPaddingAndPrecision) {
  const FormatCase cases[] = {
      {"   42", Format("%5d", 42)},
      {"42   |", Format("%-5d|", 42)},
      {"00042", Format("%05d", 42)},
      {"-0042", Format("%05d", -42)},
      {"-00042", Format("%.5d", -42)},
      {"000000FF", Format("%08x", 255)},
      {"FFFFFDA7", Format("%08x", -601)},
      {"  abc", Format("%5s", "abc")},
      {"abc  |", Format("%-5s|", "abc")},
      {"  abc", Format("%05s", "abc")},
      {"ab", Format("%.2s", "abc")},
      {"   ab", Format("%5.2s", "abc")},
      {"abcdef", Format("%3s", "abcdef")},
      {"", Format("%.0s", "abc")},
      {"    x", Format("%5c", 'x')},
      {"   42", Format("%*d", 5, 42)},
      {"42   |", Format("%*d|", -5, 42)},
      {"0042", Format("%.*d", 4, 42)},
      {"  0042", Format("%*.*d", 6, 4, 42)},
      {"ab", Format("%.*s", 2, "abcdef")},
  };
  for (const auto& c : cases) EXPECT_EQ(c.actual, c.expected);
}

TEST(Format, ArgumentIndexRestartsTheSequence) {
  EXPECT_EQ(Format("%1:s %0:s", "a", "b"), "b a");
  EXPECT_EQ(Format("%1:s %s %0:s %s", "a", "b", "c"), "b c a b");
  EXPECT_EQ(Format("%0:s-%0:s", "x"), "x-x");
  EXPECT_EQ(Format("%1:5d|", 1, 2), "    2|");
  // A translated format may leave an argument out.
  EXPECT_EQ(Format("%1:s only", "skipped", "kept"), "kept only");
  EXPECT_EQ(Format("no directives", 1, "two"), "no directives");
}

TEST(Format, MismatchRaisesConvertError) {
  EXPECT_THROW(Format("%d", "text"), EConvertError);
  EXPECT_THROW(Format("%u", "text"), EConvertError);
  EXPECT_THROW(Format("%x", std::string("text")), EConvertError);
  EXPECT_THROW(Format("%c", "t"), EConvertError);
  EXPECT_THROW(Format("%s", 5), EConvertError);
  EXPECT_THROW(Format("%s %s", "one"), EConvertError);
  EXPECT_THROW(Format("%d"), EConvertError);
  EXPECT_THROW(Format("%2:s", "a", "b"), EConvertError);
  EXPECT_THROW(Format("%*d", "wide", 1), EConvertError);
  EXPECT_THROW(Format("%*d", 5), EConvertError);
}

TEST(Format, MalformedDirectivesRaise) {
  const char* formats[] = {"%", "abc%", "%5", "%-", "%.", "%1:", "%q", "%f", "%p", "%-%", "%1000000d",
                           "%.1000000d"};
  for (const char* format : formats) {
    EXPECT_THROW(Format(format, 1), EConvertError) << format;
  }
  EXPECT_THROW(Format(std::string_view("%\0", 2), 1), EConvertError);
  // A width taken from the arguments is bounded like a written one.
  EXPECT_THROW(Format("%*d", kMaxFormatWidth + 1, 1), EConvertError);
  EXPECT_THROW(Format("%*d", INT64_MIN, 1), EConvertError);
  EXPECT_THROW(Format("%.*d", UINT64_MAX, 1), EConvertError);
  EXPECT_EQ(Format("%*d", kMaxFormatWidth, 1).size(), static_cast<size_t>(kMaxFormatWidth));
}

TEST(Format, ErrorNamesTheFormat) {
  try {
    Format("Cannot open %s", 7);
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_NE(e.Message().find("Cannot open %s"), std::string::npos) << e.Message();
  }
}

// A pointer other than text must not slip in as a Boolean.
static_assert(!std::is_constructible_v<FormatArg, const int*>);
static_assert(!std::is_constructible_v<FormatArg, double>);
static_assert(std::is_constructible_v<FormatArg, char*>);

}  // namespace
}  // namespace vorlan

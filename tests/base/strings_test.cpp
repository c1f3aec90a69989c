#include "base/strings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorlan {
namespace {

struct PathCase {
  std::string path;
  std::string expected;
};

TEST(Strings, AddBackslash) {
  const PathCase cases[] = {
      {"", ""}, {"C:", "C:\\"}, {"C:\\", "C:\\"}, {"C:\\App", "C:\\App\\"},
      {"\\MyApplication", "\\MyApplication\\"}, {"a/", "a/\\"}, {"\\", "\\"},
  };
  for (const auto& c : cases) EXPECT_EQ(AddBackslash(c.path), c.expected) << c.path;
}

TEST(Strings, RemoveBackslash) {
  const PathCase cases[] = {
      {"", ""}, {"C:\\", "C:"}, {"C:\\App\\", "C:\\App"}, {"C:\\App", "C:\\App"},
      {"C:\\App\\\\", "C:\\App\\"}, {"\\", ""}, {"a/", "a/"},
  };
  for (const auto& c : cases) EXPECT_EQ(RemoveBackslash(c.path), c.expected) << c.path;
}

TEST(Strings, ExtractField) {
  struct Case {
    std::string text;
    int n;
    char separator;
    std::string expected;
  } cases[] = {
      {"a;b;c", 1, ';', "a"},
      {"a;b;c", 2, ';', "b"},
      {"a;b;c", 3, ';', "c"},
      {"a;b;c", 4, ';', ""},
      {"a;b;c", 0, ';', ""},
      {"a;b;c", -1, ';', ""},
      {"a;;c", 2, ';', ""},
      {"a;;c", 3, ';', "c"},
      {";a", 1, ';', ""},
      {"a;", 2, ';', ""},
      {"", 1, ';', ""},
      {"abc", 1, ';', "abc"},
      {"5.0.2195.6601", 3, '.', "2195"},
      {"C:\\BDE;D:\\Other", 1, ';', "C:\\BDE"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractField(c.text, c.n, c.separator), c.expected) << c.text << " field " << c.n;
  }
}

TEST(Strings, CountFields) {
  struct Case {
    std::string text;
    char separator;
    int expected;
  } cases[] = {
      {"", ';', 0},
      {"", ',', 0},
      {"a", ';', 1},
      {"a;b", ';', 2},
      {"a;b;", ';', 2},  // the empty last field after a ";" is not counted
      {"a;b;;", ';', 3},
      {";", ';', 1},
      {"a,b,", ',', 3},  // with any other separator it is
      {"a,b;", ',', 2},
      {",", ',', 2},
      {"1.2.3", '.', 3},
  };
  for (const auto& c : cases) EXPECT_EQ(CountFields(c.text, c.separator), c.expected) << c.text;
}

TEST(Strings, SplitFields) {
  struct Case {
    std::string text;
    char separator;
    std::vector<std::string> expected;
  } cases[] = {
      {"", ';', {}},
      {"a", ';', {"a"}},
      {"a;b;c", ';', {"a", "b", "c"}},
      {"a;b;", ';', {"a", "b"}},
      {"a;;b", ';', {"a", "", "b"}},
      {";", ';', {""}},
      {"a,b,", ',', {"a", "b", ""}},
  };
  for (const auto& c : cases) {
    TStringList list = {"old", "entries"};
    SplitFields(c.text, c.separator, list);
    EXPECT_EQ(list, c.expected) << c.text;
  }
}

TEST(Strings, TextAfterColon) {
  struct Case {
    std::string text;
    std::string expected;
  } cases[] = {
      {"Disk:Label", "Label"}, {"a:b:c", "b:c"}, {"a:", ""}, {":x", "x"}, {"no colon", "unchanged"}, {"", "unchanged"},
  };
  for (const auto& c : cases) {
    std::string result = "unchanged";
    TextAfterColon(c.text, result);
    EXPECT_EQ(result, c.expected) << c.text;
  }
}

TEST(Strings, CleanFileName) {
  const PathCase cases[] = {
      {"a/b:c", "a-bc"},
      {"ftp.example.com", "ftp.example.com"},
      {"\"*:;<>?\\|", ""},
      {"//", "--"},
      {"pub/files/setup", "pub-files-setup"},
      {"a\tb\x01\x7f", "a\tb\x01\x7f"},
      {"caf\xe9 \xff", "caf\xe9 \xff"},
      {std::string("a\0b", 3), std::string("a\0b", 3)},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(CleanFileName(c.path), c.expected) << c.path;
}

TEST(Strings, TrimAndCase) {
  EXPECT_EQ(Trim("  \t a b \r\n"), "a b");
  EXPECT_EQ(Trim(" \x01 "), "");
  EXPECT_EQ(UpperCase("Setup.exe"), "SETUP.EXE");
  EXPECT_EQ(LowerCase("Setup.EXE"), "setup.exe");
  EXPECT_TRUE(SameText("C:\\Program Files", "c:\\PROGRAM FILES"));
  EXPECT_FALSE(SameText("abc", "abcd"));
  EXPECT_TRUE(StartsWithText("Install1", "INSTALL"));
  EXPECT_TRUE(EndsWithText("setup.EXE", ".exe"));
  EXPECT_FALSE(EndsWithText("exe", "setup.exe"));
}

TEST(Strings, StrToInt) {
  struct Case {
    std::string text;
    std::optional<int64_t> expected;
  } cases[] = {
      {"42", 42}, {" -7 ", -7}, {"+5", 5}, {"0", 0}, {"9223372036854775807", INT64_MAX},
      {"", std::nullopt}, {" ", std::nullopt}, {"+", std::nullopt}, {"-", std::nullopt},
      {"+-5", std::nullopt}, {"--5", std::nullopt}, {"1a", std::nullopt}, {"1 2", std::nullopt},
      {"9223372036854775808", std::nullopt}, {"0x10", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(TryStrToInt(c.text), c.expected) << "'" << c.text << "'";
  EXPECT_EQ(StrToIntDef("x", -1), -1);
  EXPECT_EQ(IntToStr(-12), "-12");
}

TEST(Strings, FileNameParts) {
  struct Case {
    std::string path, name, file_path, dir, ext;
  } cases[] = {
      {"C:\\App\\setup.exe", "setup.exe", "C:\\App\\", "C:\\App", ".exe"},
      {"C:\\setup.exe", "setup.exe", "C:\\", "C:\\", ".exe"},
      {"C:setup", "setup", "C:", "C:", ""},
      {"setup.tar.gz", "setup.tar.gz", "", "", ".gz"},
      {"C:\\dir.d\\file", "file", "C:\\dir.d\\", "C:\\dir.d", ""},
      {"\\file.txt", "file.txt", "\\", "\\", ".txt"},
      {"a/b/c.txt", "c.txt", "a/b/", "a/b", ".txt"},
      {"", "", "", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractFileName(c.path), c.name) << c.path;
    EXPECT_EQ(ExtractFilePath(c.path), c.file_path) << c.path;
    EXPECT_EQ(ExtractFileDir(c.path), c.dir) << c.path;
    EXPECT_EQ(ExtractFileExt(c.path), c.ext) << c.path;
  }
  EXPECT_EQ(ChangeFileExt("C:\\a.b\\setup.exe", ".ini"), "C:\\a.b\\setup.ini");
  EXPECT_EQ(ChangeFileExt("C:\\a.b\\setup", ".ini"), "C:\\a.b\\setup.ini");
  EXPECT_EQ(ChangeFileExt("files.1", ""), "files");
}

}  // namespace
}  // namespace vorlan

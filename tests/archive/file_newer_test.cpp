#include "archive/file_newer.h"

#include <gtest/gtest.h>

namespace vorlan {
namespace {

TEST(CompareVersions, FieldByField) {
  struct {
    const char *a, *b;
    int result;
  } cases[] = {
      {"1.2.3.4", "1.2.3.4", 0}, {"1.10", "1.9", 1},   {"1.2", "1.2.0", 2}, {"", "0", 2},
      {"", "", 0},               {"2.a", "2.b", 2},    {"5", "10", 2},      {"1.0.0.1", "1.0.0", 1},
  };
  for (const auto& c : cases) EXPECT_EQ(CompareVersions(c.a, c.b), c.result) << c.a << " vs " << c.b;
}

TEST(IsFileNewer, RulesWithoutAnExistingFile) {
  EXPECT_EQ(IsFileNewer("", "", owNever, 0), fnrNewer);
  EXPECT_EQ(IsFileNewer("", "", owAlways, 0), fnrNewer);
  EXPECT_EQ(IsFileNewer("", "", owAsk, 0), fnrAsk);
  EXPECT_EQ(IsFileNewer("", "no such file", owDate, 0), fnrUnknown);
}

}  // namespace
}  // namespace vorlan

#include <gtest/gtest.h>

#include "widgets/command_line.h"

namespace vorlan {
namespace {

TEST(CommandLineTest, QuotesGroupBlanksAndAreDropped) {
  struct {
    const char* line;
    std::vector<std::string> parameters;
  } const cases[] = {
      {"setup.exe", {"setup.exe"}},
      {"\"C:\\Program Files\\setup.exe\" -b", {"C:\\Program Files\\setup.exe", "-b"}},
      {"setup.exe -d \"-sC:\\My Build\"", {"setup.exe", "-d", "-sC:\\My Build"}},
      {"setup.exe   -s\"C:\\A B\"\t-n  ", {"setup.exe", "-sC:\\A B", "-n"}},
      {"setup.exe \"\" x", {"setup.exe", "", "x"}},
      {"setup.exe \"-sC:\\open", {"setup.exe", "-sC:\\open"}},
      {"", {}},
      {"   ", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitCommandLine(c.line), c.parameters) << c.line;
}

}  // namespace
}  // namespace vorlan

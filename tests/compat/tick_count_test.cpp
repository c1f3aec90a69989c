#include "compat/tick_count.h"

#include <gtest/gtest.h>

#include <vector>

namespace vorlan::testing {
namespace {

// The readings the widening is given, one per call.
std::vector<DWORD> readings;
size_t next_reading = 0;
DWORD WINAPI ScriptedReading() { return readings.at(next_reading++); }

TEST(TickCountTest, AnswersCountOnPastEachWrap) {
  struct {
    const char* what;
    std::vector<DWORD> readings;
    std::vector<ULONGLONG> answers;
  } const cases[] = {
      {"no wrap", {5, 10, 10, 4000}, {5, 10, 10, 4000}},
      {"a first reading late in the range", {0xF0000000, 0xF0000001}, {0xF0000000, 0xF0000001}},
      {"one wrap", {0xFFFFFFF0, 0xFFFFFFFF, 3}, {0xFFFFFFF0, 0xFFFFFFFF, 0x100000003}},
      {"a wrap to zero", {0xFFFFFFFF, 0}, {0xFFFFFFFF, 0x100000000}},
      {"two wraps",
       {0xF0000000, 0x10, 0x80000000, 0xF0000000, 5},
       {0xF0000000, 0x100000010, 0x180000000, 0x1F0000000, 0x200000005}},
  };
  for (const auto& c : cases) {
    readings = c.readings;
    next_reading = 0;
    volatile ULONGLONG last = 0;
    std::vector<ULONGLONG> answers;
    for (size_t i = 0; i < c.readings.size(); ++i) answers.push_back(WidenTickCount(&last, ScriptedReading));
    EXPECT_EQ(answers, c.answers) << c.what;
  }
}

}  // namespace
}  // namespace vorlan::testing

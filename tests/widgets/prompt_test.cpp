#include "widgets/prompt.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

namespace vorlan {
namespace {

// Unattended, the question's own answer is taken without a box, and the
// standard error stream tells what was asked and answered.
TEST(PromptTest, UnattendedTakesTheQuestionsAnswerAndSaysSo) {
  struct TCase {
    unsigned style;
    int answer;
    const char* said;
  } cases[] = {
      {MB_OK | MB_ICONERROR, IDOK, "Disk full\n"},
      {MB_OKCANCEL | MB_ICONINFORMATION, IDCANCEL, "Disk full [Cancel]\n"},
      {MB_YESNO | MB_ICONQUESTION, IDNO, "Disk full [No]\n"},
      {MB_YESNO | MB_ICONQUESTION, IDYES, "Disk full [Yes]\n"},
  };
  _putenv("VORLAN_UNATTENDED=1");
  for (const TCase& c : cases) {
    ::testing::internal::CaptureStderr();
    int answer = Ask({"Disk full", "Error", c.style, c.answer});
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), c.said);
    EXPECT_EQ(answer, c.answer) << c.said;
  }
  _putenv("VORLAN_UNATTENDED=");
}

}  // namespace
}  // namespace vorlan

#include "widgets/prompt.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace vorlan {

namespace {
const char* ButtonName(int answer) {
  switch (answer) {
    case IDOK: return "OK";
    case IDCANCEL: return "Cancel";
    case IDYES: return "Yes";
    case IDNO: return "No";
    default: return "?";
  }
}

void Report(const TPrompt& prompt) {
  if ((prompt.style & MB_TYPEMASK) == MB_OK) {
    std::fprintf(stderr, "%s\n", prompt.text.c_str());
  } else {
    std::fprintf(stderr, "%s [%s]\n", prompt.text.c_str(), ButtonName(prompt.unattended_answer));
  }
  std::fflush(stderr);
}
}  // namespace

bool Unattended() { return std::getenv("VORLAN_UNATTENDED") != nullptr; }

int Ask(const TPrompt& prompt) {
  if (Unattended()) {
    Report(prompt);
    return prompt.unattended_answer;
  }
  return MessageBoxA(nullptr, prompt.text.c_str(), prompt.caption.c_str(), prompt.style | MB_TASKMODAL);
}

}  // namespace vorlan

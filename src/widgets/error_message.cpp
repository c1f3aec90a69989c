#include "widgets/error_message.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace vorlan {

bool Unattended() { return std::getenv("VORLAN_UNATTENDED") != nullptr; }

void ShowErrorMessage(const std::string& text) {
  if (Unattended()) {
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
    return;
  }
  MessageBoxA(nullptr, text.c_str(), "Error", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace vorlan

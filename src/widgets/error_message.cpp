#include "widgets/error_message.h"

#include <windows.h>

#include "widgets/prompt.h"

namespace vorlan {

void ShowErrorMessage(const std::string& text) { Ask({text, "Error", MB_OK | MB_ICONERROR, IDOK}); }

}  // namespace vorlan

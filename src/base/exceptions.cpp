#include "base/exceptions.h"

namespace vorlan {

namespace {
TMessageTranslation& Translation() {
  static TMessageTranslation translation;
  return translation;
}
}  // namespace

void SetMessageTranslation(TMessageTranslation translation) {
  Translation() = std::move(translation);
}

std::string TranslateMessage(const std::string& message) {
  const auto& translation = Translation();
  return translation ? translation(message) : message;
}

}  // namespace vorlan

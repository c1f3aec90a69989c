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

std::string FormatTranslated(const std::string& format, const std::vector<FormatArg>& args) {
  std::string translated = TranslateMessage(format);
  try {
    return FormatArgs(translated, args);
  } catch (const EConvertError&) {
    if (translated == format) throw;
  }
  return FormatArgs(format, args);
}

}  // namespace vorlan

#include "paths/path_variable.h"

namespace vorlan {

std::string ExpandPathVariable(const std::string& text, const std::string& path) {
  std::string result;
  result.reserve(text.size() + path.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      result += text[i];
    } else if (++i < text.size()) {
      char escaped = text[i];
      if (escaped == 'P' || escaped == 'p') {
        result += path;
      } else {
        result += escaped;
      }
    }
  }
  return result;
}

}  // namespace vorlan

#pragma once

#include <string>

namespace vorlan {

// Replaces "%P" (or "%p") in text by path and "%%" by "%"; "%" before any
// other character leaves that character alone, and a lone "%" at the end
// is dropped.
std::string ExpandPathVariable(const std::string& text, const std::string& path);

}  // namespace vorlan

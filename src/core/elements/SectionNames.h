#pragma once
// Section names are matched by their upper-case form (ASCII letters only).
#include <string>

namespace vcu {

inline std::string AsciiUpper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

inline bool StartsWith(const std::string& text, const char* prefix) {
  return text.rfind(prefix, 0) == 0;
}

} // namespace vcu

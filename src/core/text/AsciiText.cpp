#include "core/text/AsciiText.h"

namespace vcu {

namespace {
char LowerChar(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 32; }
} // namespace

std::string AsciiLower(std::string text) {
  for (char& c : text)
    c = LowerChar(c);
  return text;
}

bool AsciiEqualNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (LowerChar(a[i]) != LowerChar(b[i]))
      return false;
  return true;
}

std::string TrimControls(const std::string& text) {
  std::size_t first = 0, last = text.size();
  while (first < last && IsBlankOrControl(text[first]))
    ++first;
  while (last > first && IsBlankOrControl(text[last - 1]))
    --last;
  return text.substr(first, last - first);
}

std::vector<std::string> SplitLines(const char* text, std::size_t size) {
  std::vector<std::string> lines;
  const char* p = text;
  const char* const end = text + size;
  while (p < end && *p != '\0') {
    const char* start = p;
    while (p < end && *p != '\r' && *p != '\n' && *p != '\0')
      ++p;
    lines.emplace_back(start, p);
    if (p < end && *p == '\r')
      ++p;
    if (p < end && *p == '\n')
      ++p;
  }
  return lines;
}

} // namespace vcu

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

namespace {
// Control characters as C escapes; with quoted, also the quote and the backslash, so the
// result can stand between double quotes unambiguously.
std::string EscapeControls(const std::string& text, bool quoted) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : text) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else if (c == '\t') out += "\\t";
    else if (u < 32 || u == 127) (out += "\\x") += {kHex[u >> 4], kHex[u & 15]};
    else if (quoted && (c == '"' || c == '\\')) (out += '\\') += c;
    else out += c;
  }
  return out;
}
} // namespace

std::string QuotedOneLine(const std::string& text) {
  return '"' + EscapeControls(text, true) + '"';
}

std::string OneLine(const std::string& text) { return EscapeControls(text, false); }

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

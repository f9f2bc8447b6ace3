#include "ReferenceIni.h"

#include <fstream>
#include <iterator>
#include <limits>

namespace vcu::test {
namespace {

bool Blank(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string Trim(const std::string& text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && Blank(text[begin])) ++begin;
  while (end > begin && Blank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

bool IsHeader(const std::string& line) { return line.size() >= 2 && line.front() == '[' && line.back() == ']'; }

int DigitValue(char c, int base) {
  int v = -1;
  if (c >= '0' && c <= '9') v = c - '0';
  else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
  return v < base ? v : -1;
}

// Digits of one base, at least one, accumulated up to limit; false on anything else.
bool ReadDigits(const std::string& digits, int base, std::uint64_t limit, std::uint64_t& value) {
  if (digits.empty()) return false;
  value = 0;
  for (char c : digits) {
    const int d = DigitValue(c, base);
    if (d < 0) return false;
    value = value * base + static_cast<std::uint64_t>(d);
    if (value > limit) return false;
  }
  return true;
}

} // namespace

std::string AsciiLowerText(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::string AsciiUpperText(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

ReferenceIni::ReferenceIni(const std::string& text) {
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = at;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n' && text[end] != '\0') ++end;
    const std::string line = Trim(text.substr(at, end - at));
    if (!line.empty() && line[0] != ';') {
      if (IsHeader(line)) headers_.emplace_back(line, lines_.size());
      lines_.push_back(line);
    }
    if (end < text.size() && text[end] == '\0') break;
    at = end;
    if (at < text.size() && text[at] == '\r') ++at;
    if (at < text.size() && text[at] == '\n') ++at;
  }
}

ReferenceIni ReferenceIni::FromFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return ReferenceIni(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
}

std::string ReferenceIni::ReadString(const std::string& section, const std::string& key,
                                     const std::string& fallback) const {
  const std::string header = AsciiLowerText("[" + section + "]");
  const std::string wanted = AsciiLowerText(key);
  for (const auto& [text, index] : headers_) {
    if (AsciiLowerText(text) != header) continue;
    for (std::size_t i = index + 1; i < lines_.size() && !IsHeader(lines_[i]); ++i) {
      const std::string& line = lines_[i];
      const std::size_t eq = line.find('=');
      const std::string lineKey = eq == std::string::npos ? "" : AsciiLowerText(Trim(line.substr(0, eq)));
      if (lineKey != wanted) continue;
      if (eq == std::string::npos || wanted.empty()) return fallback;
      const std::string value = Trim(line.substr(eq + 1));
      return value.empty() ? fallback : value;
    }
    return fallback; // only the first section of the name is read
  }
  return fallback;
}

std::int32_t ReferenceIni::ReadInteger(const std::string& section, const std::string& key,
                                       std::int32_t fallback) const {
  std::string text = ReadString(section, key);
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text = "$" + text.substr(2);
  std::uint64_t value = 0;
  if (!text.empty() && text[0] == '$')
    return ReadDigits(text.substr(1), 16, 0xFFFFFFFFull, value) ? static_cast<std::int32_t>(static_cast<std::uint32_t>(value))
                                                              : fallback;
  const bool negative = !text.empty() && text[0] == '-';
  const std::string digits = !text.empty() && (text[0] == '-' || text[0] == '+') ? text.substr(1) : text;
  const std::uint64_t limit = negative ? 0x80000000ull : 0x7FFFFFFFull;
  if (!ReadDigits(digits, 10, limit, value)) return fallback;
  return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value));
}

std::vector<std::string> ReferenceIni::Sections() const {
  std::vector<std::string> names;
  for (const auto& header : headers_) names.push_back(Trim(Trim(header.first).substr(1, header.first.size() - 2)));
  return names;
}

} // namespace vcu::test

#include "core/storage/QuickIni.h"

#include "core/Errors.h"
#include "core/text/AsciiText.h"

#include <limits>

namespace vcu {

namespace {

bool IsSectionHeader(const std::string& line) {
  return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// "$" and hexadecimal digits. Values up to 0xFFFFFFFF are 32-bit patterns: colours such as
// 0xFF00000F (a system colour) come out as the negative numbers that hold those bits.
bool ParseHex(const std::string& text, std::int32_t& value) {
  if (text.size() < 2)
    return false;
  std::uint64_t v = 0;
  for (std::size_t i = 1; i < text.size(); ++i) {
    const int digit = HexDigit(text[i]);
    if (digit < 0)
      return false;
    v = v * 16 + static_cast<std::uint64_t>(digit);
    if (v > 0xFFFFFFFFu)
      return false;
  }
  value = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
  return true;
}

// An optional sign and decimal digits, within the signed 32-bit range.
bool ParseDecimal(const std::string& text, std::int32_t& value) {
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+'))
    i = 1;
  if (i == text.size())
    return false;
  const std::int64_t limit = negative ? -std::int64_t{std::numeric_limits<std::int32_t>::min()}
                                      : std::numeric_limits<std::int32_t>::max();
  std::int64_t v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9')
      return false;
    v = v * 10 + (text[i] - '0');
    if (v > limit)
      return false;
  }
  value = static_cast<std::int32_t>(negative ? -v : v);
  return true;
}

} // namespace

void TQuickIni::LoadFromStream(const std::vector<std::uint8_t>* stream) {
  if (stream)
    LoadFromStream(stream->data(), stream->size());
}

void TQuickIni::LoadFromStream(const std::vector<std::uint8_t>& stream) {
  LoadFromStream(stream.data(), stream.size());
}

void TQuickIni::LoadFromStream(const std::uint8_t* data, std::size_t size) {
  lines_.clear();
  sections_.clear();
  if (size == 0)
    return;
  for (const std::string& raw : SplitLines(reinterpret_cast<const char*>(data), size)) {
    std::string text = TrimControls(raw);
    if (text.empty() || text[0] == ';')
      continue;
    if (IsSectionHeader(text))
      sections_.push_back({text, lines_.size()});
    Line line;
    const std::size_t equals = text.find('=');
    if (equals != std::string::npos) {
      line.hasEquals = true;
      line.key = AsciiLower(TrimControls(text.substr(0, equals)));
      line.value = TrimControls(text.substr(equals + 1));
    }
    line.text = std::move(text);
    lines_.push_back(std::move(line));
  }
}

const TQuickIni::Section* TQuickIni::FindSection(const std::string& section) const {
  const std::string header = "[" + section + "]";
  for (const Section& s : sections_)
    if (AsciiEqualNoCase(s.header, header))
      return &s;
  return nullptr;
}

// The first line of the section whose key equals `key`; a later line with the same key is
// never consulted, even when this one's value is empty.
const TQuickIni::Line* TQuickIni::FindEntry(const std::string& section,
                                            const std::string& key) const {
  const Section* s = FindSection(section);
  if (!s)
    return nullptr;
  const std::string wanted = AsciiLower(key);
  for (std::size_t i = s->line + 1; i < lines_.size(); ++i) {
    if (IsSectionHeader(lines_[i].text))
      return nullptr;
    if (lines_[i].key == wanted)
      return &lines_[i];
  }
  return nullptr;
}

std::string TQuickIni::ReadString(const std::string& section, const std::string& key,
                                  const std::string& defaultValue) const {
  const Line* line = FindEntry(section, key);
  if (!line || !line->hasEquals || key.empty() || line->value.empty())
    return defaultValue;
  return line->value;
}

bool TQuickIni::ParseInteger(std::string text, std::int32_t& value) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    text.replace(0, 2, "$");
  return !text.empty() && text[0] == '$' ? ParseHex(text, value) : ParseDecimal(text, value);
}

std::int32_t TQuickIni::ReadInteger(const std::string& section, const std::string& key,
                                    std::int32_t defaultValue) const {
  std::int32_t value = 0;
  return ParseInteger(ReadString(section, key, ""), value) ? value : defaultValue;
}

void TQuickIni::ReadSections(std::vector<std::string>* strings) const {
  if (!strings)
    throw EAssertionFailed("The parameter Strings is unassigned!", "Winskinini", 318);
  strings->clear();
  for (const Section& s : sections_)
    strings->push_back(TrimControls(s.header.substr(1, s.header.size() - 2)));
}

std::vector<TQuickIni::EntryLine> TQuickIni::EntryLines() const {
  std::vector<EntryLine> entries;
  int section = -1;
  for (const Line& line : lines_) {
    if (IsSectionHeader(line.text)) {
      ++section;
      continue;
    }
    EntryLine e;
    e.section = section;
    e.hasEquals = line.hasEquals;
    e.key = line.hasEquals ? TrimControls(line.text.substr(0, line.text.find('='))) : line.text;
    e.value = line.value;
    entries.push_back(std::move(e));
  }
  return entries;
}

} // namespace vcu

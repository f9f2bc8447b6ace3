#pragma once
// The skin's INI description, parsed once and read by section and key. Read-only: nothing is
// ever written back. Sections and keys match without regard to ASCII letter case; the first
// occurrence of a section or of a key within a section wins.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vcu {

class TQuickIni {
public:
  // Parses the whole text, replacing what an earlier load held. No stream (null) changes
  // nothing; an empty one leaves nothing to read.
  void LoadFromStream(const std::vector<std::uint8_t>* stream);
  void LoadFromStream(const std::vector<std::uint8_t>& stream);
  // The `size` bytes at `data` (which may be null when `size` is 0).
  void LoadFromStream(const std::uint8_t* data, std::size_t size);

  // The value of the first line with `key` in `section`, or `defaultValue` when the section,
  // the key or a non-empty value is missing.
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;

  // The value as a decimal (optional sign) or hexadecimal ("$" or "0x") 32-bit integer;
  // `defaultValue` when missing or not such a number.
  std::int32_t ReadInteger(const std::string& section, const std::string& key,
                           std::int32_t defaultValue) const;

  // Replaces `strings` with the section names in file order, brackets removed. Null raises
  // EAssertionFailed.
  void ReadSections(std::vector<std::string>* strings) const;

  // One entry line as written, for tools that look at the whole text rather than ask for
  // keys: the index (in ReadSections order) of the section it stands in, -1 before the first
  // header; its key trimmed but with its own letter case; its value.
  struct EntryLine {
    int section = -1;
    std::string key;
    std::string value;
    bool hasEquals = false;
  };
  std::vector<EntryLine> EntryLines() const;

  // The conversion of ReadInteger: decimal with an optional sign, or "$" / "0x" and
  // hexadecimal digits, within 32 bits. False for any other text.
  static bool ParseInteger(std::string text, std::int32_t& value);

private:
  struct Line {
    std::string text; // trimmed
    std::string key;  // text before the first "=", trimmed and lower-cased
    std::string value; // text after the first "=", trimmed
    bool hasEquals = false;
  };
  struct Section {
    std::string header; // "[Name]" as written, trimmed
    std::size_t line;   // index of the header in lines_
  };
  const Section* FindSection(const std::string& section) const;
  const Line* FindEntry(const std::string& section, const std::string& key) const;

  std::vector<Line> lines_;
  std::vector<Section> sections_;
};

} // namespace vcu

#pragma once
// The skin INI read by its rules, written apart from the program's parser so that tests can
// work out what a skin must give: significant lines trimmed of characters 0 to 32, ';' lines
// dropped, CR, LF, CR LF each ending a line and NUL ending the text; the first section of a
// name (case ignored) and the first line of a key (case ignored) are the only ones read, an
// empty value reading as absent. Portable: the native and the Windows tests both use it.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vcu::test {

class ReferenceIni {
public:
  explicit ReferenceIni(const std::string& text);
  // An unreadable file reads as an empty text.
  static ReferenceIni FromFile(const std::string& path);

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& fallback = "") const;
  // Decimal with an optional sign, or hexadecimal after "$", "0x" or "0X" (up to 32 bits, read
  // as a bit pattern); anything else, or a decimal outside 32 bits, gives the fallback.
  std::int32_t ReadInteger(const std::string& section, const std::string& key, std::int32_t fallback) const;
  // Section names in file order, brackets removed and trimmed.
  std::vector<std::string> Sections() const;

private:
  std::vector<std::string> lines_;                           // significant lines, trimmed
  std::vector<std::pair<std::string, std::size_t>> headers_; // header text, index in lines_
};

std::string AsciiLowerText(std::string text);
std::string AsciiUpperText(std::string text);

} // namespace vcu::test

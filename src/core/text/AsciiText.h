#pragma once
// Text helpers for the single-byte texts of skins, layouts and the window. Their names are
// ASCII, so case folding touches A-Z only.
#include <cstddef>
#include <string>
#include <vector>

namespace vcu {

std::string AsciiLower(std::string text);
bool AsciiEqualNoCase(const std::string& a, const std::string& b);

// Removes leading and trailing characters with codes 0 to 32.
std::string TrimControls(const std::string& text);

// The text in double quotes with every control character, quote and backslash escaped in C
// style (\n, \r, \t, \", \\, \xHH), so a name from a file or the command line prints
// as one line.
std::string QuotedOneLine(const std::string& text);
// The text with its control characters escaped as above (quotes and backslashes kept): a
// message that may hold a line break, as one line.
std::string OneLine(const std::string& text);

// Splits text into lines: a line runs up to the next CR, LF or NUL; CR LF, a lone CR and a lone
// LF each end one line (LF CR ends two); a NUL ends the whole text. A final line break does not
// start another, empty line.
std::vector<std::string> SplitLines(const char* text, std::size_t size);

} // namespace vcu

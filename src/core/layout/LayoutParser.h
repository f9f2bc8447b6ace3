#pragma once
// The stored layout's text format, parsed into a tree without creating anything:
//
//   object frmMain: TfrmMain
//     Caption = 'Vantorix Config Update'
//     Font.Style = [fsBold]
//     Lines.Strings = ( 'first' 'second' )
//     SkinStream = { 0A1B2C }
//     object btnUpdate: TButton
//       Tag = 0
//     end
//   end
//
// Values: integers (optionally signed, or $hex), strings ('it''s', #13#10 character codes, and
// pieces joined with +), identifiers, sets of identifiers, lists of strings, and binary data in
// hexadecimal. A comment runs from // to the end of the line. Any malformed input raises
// ELayoutError naming the line where it was found.
#include <cstdint>
#include <string>
#include <vector>

#include "core/Errors.h"

namespace vcu {

class ELayoutError : public Exception {
public:
  ELayoutError(const std::string& text, int line)
      : Exception("Layout error at line " + std::to_string(line) + ": " + text), line_(line) {}
  int Line() const { return line_; }

private:
  int line_;
};

struct TLayoutValue {
  enum class Kind { Integer, String, Ident, Set, List, Binary };
  Kind kind = Kind::Integer;
  std::int64_t integer = 0;
  std::string text;                // String, Ident
  std::vector<std::string> items;  // Set (identifiers), List (strings)
  std::vector<std::uint8_t> bytes; // Binary
};

struct TLayoutProperty {
  std::string name; // may be a path, as in "Font.Style"
  TLayoutValue value;
  int line = 0;
};

struct TLayoutObject {
  std::string name;
  std::string className;
  int line = 0;
  std::vector<TLayoutProperty> properties;
  std::vector<TLayoutObject> children;
};

// Nested objects deeper than this are refused: the reader recurses once per level.
constexpr int kMaxLayoutDepth = 32;

// Parses one top-level object; anything but blanks and comments after its "end" is an error.
TLayoutObject ParseLayout(const std::string& text);

} // namespace vcu

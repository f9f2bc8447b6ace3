#include "core/layout/LayoutParser.h"

#include <cctype>

namespace vcu {
namespace {

bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || std::isdigit(static_cast<unsigned char>(c)); }
bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

enum class Tok { End, Ident, Integer, String, Symbol };

struct Token {
  Tok kind = Tok::End;
  std::string text; // identifier, decoded string, or the symbol character
  std::int64_t integer = 0;
  int line = 1;
};

// The one reader of the input: every character is taken through it, so nothing reads past the
// end, and it knows the current line for every error.
class Lexer {
public:
  explicit Lexer(const std::string& text) : text_(text) {}

  int Line() const { return line_; }

  Token Next() {
    SkipBlanks();
    Token t;
    t.line = line_;
    if (AtEnd()) return t;
    char c = Peek();
    if (IsIdentStart(c)) return ReadIdent(t);
    if (IsDigit(c) || c == '-' || c == '$') return ReadInteger(t);
    if (c == '\'' || c == '#') return ReadString(t);
    if (std::string(":=[](){},+").find(c) != std::string::npos) {
      ++pos_;
      t.kind = Tok::Symbol;
      t.text = std::string(1, c);
      return t;
    }
    throw ELayoutError(std::string("unexpected character '") + Printable(c) + "'", line_);
  }

  // After a "{": hexadecimal digit pairs, blanks and line breaks allowed between pairs, up to "}".
  std::vector<std::uint8_t> ReadBinaryBody() {
    std::vector<std::uint8_t> bytes;
    for (;;) {
      SkipBlanks();
      if (AtEnd()) throw ELayoutError("binary value not closed with '}'", line_);
      if (Peek() == '}') { ++pos_; return bytes; }
      int high = HexDigit(Take());
      int low = AtEnd() ? -1 : HexDigit(Take());
      if (high < 0 || low < 0) throw ELayoutError("binary value holds a character that is not a hexadecimal digit pair", line_);
      bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
  }

private:
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return text_[pos_]; }
  char Take() { return text_[pos_++]; }

  static std::string Printable(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u >= 32 && u < 127) return std::string(1, c);
    return "#" + std::to_string(u);
  }

  void SkipBlanks() {
    while (!AtEnd()) {
      char c = Peek();
      if (c == '\n') { ++line_; ++pos_; }
      else if (c == ' ' || c == '\t' || c == '\r') ++pos_;
      else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
        while (!AtEnd() && Peek() != '\n') ++pos_;
      } else return;
    }
  }

  Token ReadIdent(Token& t) {
    t.kind = Tok::Ident;
    while (!AtEnd() && (IsIdentChar(Peek()) || Peek() == '.')) t.text += Take();
    if (t.text.back() == '.') throw ELayoutError("name '" + t.text + "' ends with a dot", line_);
    return t;
  }

  Token ReadInteger(Token& t) {
    t.kind = Tok::Integer;
    bool negative = false;
    if (Peek() == '-') { negative = true; ++pos_; }
    int base = 10;
    if (!AtEnd() && Peek() == '$') { base = 16; ++pos_; }
    // 15 hexadecimal or 18 decimal digits cannot overflow 64 bits; longer is refused.
    const size_t maxDigits = base == 16 ? 15 : 18;
    size_t digits = 0;
    std::int64_t value = 0;
    while (!AtEnd()) {
      int d = base == 16 ? HexDigit(Peek()) : (IsDigit(Peek()) ? Peek() - '0' : -1);
      if (d < 0) break;
      if (++digits > maxDigits) throw ELayoutError("number too long", line_);
      value = value * base + d;
      ++pos_;
    }
    if (digits == 0) throw ELayoutError("number expected", line_);
    if (!AtEnd() && IsIdentChar(Peek())) throw ELayoutError("malformed number", line_);
    t.integer = negative ? -value : value;
    return t;
  }

  // 'text' pieces and #code characters, side by side, make one string.
  Token ReadString(Token& t) {
    t.kind = Tok::String;
    while (!AtEnd() && (Peek() == '\'' || Peek() == '#')) {
      if (Take() == '#') {
        int code = 0, digits = 0;
        while (!AtEnd() && IsDigit(Peek()) && digits < 4) { code = code * 10 + (Take() - '0'); ++digits; }
        if (digits == 0 || code > 255) throw ELayoutError("bad character code after '#'", line_);
        t.text += static_cast<char>(code);
        continue;
      }
      for (;;) {
        if (AtEnd() || Peek() == '\n') throw ELayoutError("string not closed on its line", t.line);
        char c = Take();
        if (c != '\'') { t.text += c; continue; }
        if (!AtEnd() && Peek() == '\'') { t.text += Take(); continue; } // doubled quote
        break;
      }
    }
    return t;
  }

  const std::string& text_;
  size_t pos_ = 0;
  int line_ = 1;
};

class Parser {
public:
  explicit Parser(const std::string& text) : lexer_(text) { Advance(); }

  TLayoutObject ParseDocument() {
    TLayoutObject root = ParseObject(1);
    if (current_.kind != Tok::End) Fail("text after the last 'end'");
    return root;
  }

private:
  void Advance() { current_ = lexer_.Next(); }

  [[noreturn]] void Fail(const std::string& what) const { throw ELayoutError(what, current_.line); }

  bool IsSymbol(char c) const { return current_.kind == Tok::Symbol && current_.text[0] == c; }
  bool IsKeyword(const char* word) const { return current_.kind == Tok::Ident && current_.text == word; }

  void ExpectSymbol(char c) {
    if (!IsSymbol(c)) Fail(std::string("'") + c + "' expected");
    Advance();
  }

  std::string ExpectIdent(const char* what) {
    if (current_.kind != Tok::Ident) Fail(std::string(what) + " expected");
    std::string name = current_.text;
    Advance();
    return name;
  }

  TLayoutObject ParseObject(int depth) {
    if (depth > kMaxLayoutDepth) Fail("objects nested too deeply");
    if (!IsKeyword("object")) Fail("'object' expected");
    TLayoutObject obj;
    obj.line = current_.line;
    Advance();
    obj.name = ExpectIdent("component name");
    ExpectSymbol(':');
    obj.className = ExpectIdent("class name");
    for (;;) {
      if (current_.kind == Tok::End) Fail("'end' expected for object '" + obj.name + "'");
      if (IsKeyword("end")) { Advance(); return obj; }
      if (IsKeyword("object")) obj.children.push_back(ParseObject(depth + 1));
      else obj.properties.push_back(ParseProperty());
    }
  }

  TLayoutProperty ParseProperty() {
    TLayoutProperty prop;
    prop.line = current_.line;
    prop.name = ExpectIdent("property name");
    ExpectSymbol('=');
    prop.value = ParseValue();
    return prop;
  }

  TLayoutValue ParseValue() {
    TLayoutValue v;
    switch (current_.kind) {
    case Tok::Integer:
      v.kind = TLayoutValue::Kind::Integer;
      v.integer = current_.integer;
      Advance();
      return v;
    case Tok::String:
      v.kind = TLayoutValue::Kind::String;
      v.text = ParseStringSum();
      return v;
    case Tok::Ident:
      v.kind = TLayoutValue::Kind::Ident;
      v.text = current_.text;
      Advance();
      return v;
    case Tok::Symbol:
      if (IsSymbol('[')) return ParseSet();
      if (IsSymbol('(')) return ParseList();
      if (IsSymbol('{')) {
        v.kind = TLayoutValue::Kind::Binary;
        v.bytes = lexer_.ReadBinaryBody();
        Advance();
        return v;
      }
      break;
    case Tok::End:
      break;
    }
    Fail("property value expected");
  }

  // 'abc' + 'def' across lines.
  std::string ParseStringSum() {
    std::string text = current_.text;
    Advance();
    while (IsSymbol('+')) {
      Advance();
      if (current_.kind != Tok::String) Fail("string expected after '+'");
      text += current_.text;
      Advance();
    }
    return text;
  }

  TLayoutValue ParseSet() {
    TLayoutValue v;
    v.kind = TLayoutValue::Kind::Set;
    Advance();
    if (IsSymbol(']')) { Advance(); return v; }
    for (;;) {
      v.items.push_back(ExpectIdent("set member"));
      if (IsSymbol(']')) { Advance(); return v; }
      ExpectSymbol(',');
    }
  }

  TLayoutValue ParseList() {
    TLayoutValue v;
    v.kind = TLayoutValue::Kind::List;
    Advance();
    while (!IsSymbol(')')) {
      if (current_.kind != Tok::String) Fail("string or ')' expected in list");
      v.items.push_back(ParseStringSum());
    }
    Advance();
    return v;
  }

  Lexer lexer_;
  Token current_;
};

} // namespace

TLayoutObject ParseLayout(const std::string& text) { return Parser(text).ParseDocument(); }

} // namespace vcu

#pragma once
// Errors raised by the program: one class per kind. What nobody catches reaches the
// application's default error display, which shows Message().
#include <stdexcept>
#include <string>

namespace vcu {

class Exception : public std::runtime_error {
public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

// A guard against an impossible argument: names the source unit and line it guards, as in
// "The parameter Strings is unassigned! (Winskinini, line 318)".
class EAssertionFailed : public Exception {
public:
  EAssertionFailed(const std::string& text, const std::string& unit, int line)
      : Exception(text + " (" + unit + ", line " + std::to_string(line) + ")"), text_(text),
        unit_(unit), line_(line) {}
  const std::string& Text() const { return text_; }
  const std::string& Unit() const { return unit_; }
  int Line() const { return line_; }

private:
  std::string text_, unit_;
  int line_;
};

} // namespace vcu

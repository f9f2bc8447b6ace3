#pragma once
// Errors raised by the framework and the program: one class per kind. What nobody catches
// reaches the application's default error display, which shows Message().
#include <stdexcept>
#include <string>

namespace vcu {

class Exception : public std::runtime_error {
public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

// A COM call answered a failing HRESULT; the message names the failure.
class EOleSysError : public Exception {
public:
  EOleSysError(const std::string& message, long errorCode)
      : Exception(message), errorCode_(errorCode) {}
  long ErrorCode() const { return errorCode_; }

private:
  long errorCode_;
};

} // namespace vcu

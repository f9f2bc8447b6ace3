#pragma once
// The framework's error classes beside the core's.
#include "core/Errors.h"

namespace vcu {

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

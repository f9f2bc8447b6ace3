#pragma once
// The running system's colours and metrics, for the portable core.
#include "core/platform/Platform.h"

namespace vcu {

class Win32Platform final : public PlatformInfo {
public:
  Rgb SystemColour(int index) const override;
  int SystemMetric(int index) const override;
};

// Makes Win32Platform the platform in force for the life of the process.
void UseWin32Platform();

} // namespace vcu

#include "framework/Win32Platform.h"

#include <windows.h>

namespace vcu {

Rgb Win32Platform::SystemColour(int index) const { return GetSysColor(index); }
int Win32Platform::SystemMetric(int index) const { return GetSystemMetrics(index); }

void UseWin32Platform() {
  static const Win32Platform platform;
  SetPlatform(&platform);
}

} // namespace vcu

#pragma once
// The class name of a window, as the skinners compare it.
#include <string>

#include <windows.h>

namespace vcu {

// Up to 100 characters of the window's class name; empty for a window that is gone.
std::string WindowClassName(HWND window);

} // namespace vcu

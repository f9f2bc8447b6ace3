#pragma once
// Where the things of the main window's skinned title bar are on the screen, found from the
// window rectangle and our default skin's layout, and the popup menus the title opens.
#include <windows.h>

namespace vcu::driver {

enum class TitleButton { Close, Minimize };

// The middle of the caption button, in screen coordinates.
POINT TitleButtonPoint(HWND mainWindow, TitleButton button);
// A point of the title bar away from every button.
POINT TitlePoint(HWND mainWindow);
// A visible popup menu ("#32768") of the main window's process, or null.
HWND FindPopupMenu(HWND mainWindow);

// Waits up to `timeoutMs` until the condition holds; whether it did.
template <class Condition> bool WaitFor(Condition condition, DWORD timeoutMs = 5000) {
  for (const DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(50))
    if (condition()) return true;
  return condition();
}

} // namespace vcu::driver

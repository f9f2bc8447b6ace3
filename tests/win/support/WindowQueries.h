#pragma once
// What a test reads of a window, and the mouse presses it makes on one.
#include <string>

#include <windows.h>

namespace vcu::test {

// Window class name, text, and rectangle relative to the parent's client area.
std::string ClassOf(HWND window);
std::string TextOf(HWND window);
RECT RectInParent(HWND window);

// Left button press and release at a client point of the window.
void ClickAt(HWND window, int x, int y);

// A visible top-level popup window at (x, y) of the given size, destroyed with the object.
class TestWindow {
public:
  TestWindow(int x, int y, int width, int height);
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  HWND Get() const { return wnd_; }

private:
  HWND wnd_ = nullptr;
};

} // namespace vcu::test

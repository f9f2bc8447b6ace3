#include "support/WindowQueries.h"

#include "support/Pump.h"

namespace vcu::test {

std::string ClassOf(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string TextOf(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(window, &text[0], length + 1)));
  return text;
}

RECT RectInParent(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void ClickAt(HWND window, int x, int y) {
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

TestWindow::TestWindow(int x, int y, int width, int height) {
  wnd_ = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, x, y, width, height, nullptr,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
  UpdateWindow(wnd_);
  Pump();
}

TestWindow::~TestWindow() { DestroyWindow(wnd_); }

} // namespace vcu::test

#include "SkinnedTitle.h"

namespace vcu::driver {
namespace {

// Our skin's caption buttons (skins/default/skin.ini): right-aligned ones by their distance
// from the window's right edge (Xcoord), at Ycoord from the top. The images are four frames
// side by side, 80 x 20: one button is 20 x 20.
constexpr int kCloseFromRight = 25, kMinimizeFromRight = 73, kButtonY = 5, kButtonSide = 20;
constexpr int kTitleHeight = 30;

struct Search {
  DWORD process;
  HWND found;
};

BOOL CALLBACK FindMenuOf(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t name[16] = L"";
  GetClassNameW(window, name, 16);
  if (process == search->process && IsWindowVisible(window) && lstrcmpW(name, L"#32768") == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

} // namespace

POINT TitleButtonPoint(HWND mainWindow, TitleButton button) {
  RECT r;
  GetWindowRect(mainWindow, &r);
  switch (button) {
  case TitleButton::Close: return POINT{r.right - kCloseFromRight + kButtonSide / 2, r.top + kButtonY + kButtonSide / 2};
  case TitleButton::Minimize:
    return POINT{r.right - kMinimizeFromRight + kButtonSide / 2, r.top + kButtonY + kButtonSide / 2};
  }
  return POINT{r.left, r.top};
}

POINT TitlePoint(HWND mainWindow) {
  RECT r;
  GetWindowRect(mainWindow, &r);
  const int height = r.bottom - r.top < kTitleHeight ? r.bottom - r.top : kTitleHeight;
  return POINT{(r.left + r.right) / 2, r.top + height / 2};
}

HWND FindPopupMenu(HWND mainWindow) {
  Search search{0, nullptr};
  GetWindowThreadProcessId(mainWindow, &search.process);
  EnumWindows(FindMenuOf, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

} // namespace vcu::driver

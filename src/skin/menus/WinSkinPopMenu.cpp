#include "skin/menus/WinSkinPopMenu.h"

#include "core/menus/MenuComposer.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/SkinManage.h"

namespace vcu {
namespace {

TWinSkinPopMenu* current = nullptr;
// GetDCEx's flag for the window class's clipping styles (not in every header set).
constexpr DWORD kDcxUseStyle = 0x00010000;

// Systems after NT 5.1 paint a menu window's frame through the plain window DC; older ones
// need the update region and the style's clipping.
bool PlainWindowDC() {
  const DWORD version = TSkinManage::WindowsVersion();
  const unsigned major = LOBYTE(LOWORD(version)), minor = HIBYTE(LOWORD(version));
  return TSkinManage::IsNT() && major > 4 && minor > 1;
}

} // namespace

TWinSkinPopMenu* TWinSkinPopMenu::Current() { return current; }

void TWinSkinPopMenu::Attach(int marker) {
  marker_ = marker;
  if (!window_) return;
  subclass_.Attach(window_, [this](UINT msg, WPARAM wParam, LPARAM lParam) { return WindowProc(msg, wParam, lParam); });
}

void TWinSkinPopMenu::Detach() {
  subclass_.Detach();
  background_.Release();
  if (current == this) current = nullptr;
  window_ = nullptr;
}

bool TWinSkinPopMenu::BuildBackground() {
  if (!skinData_ || skinData_->SkinEmpty || !HasMenuBackground(*skinData_)) return false;
  RECT r{};
  GetWindowRect(window_, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  const bool fresh = background_.Width() != width || background_.Height() != height;
  if (!background_.Prepare(width, height)) return false;
  if (fresh) ComposeMenuBackground(background_.Pixels(), *skinData_->MenuBackground);
  return true;
}

void TWinSkinPopMenu::PaintBackground(HRGN update) {
  HDC dc = PlainWindowDC() || reinterpret_cast<WPARAM>(update) <= 1
               ? GetWindowDC(window_)
               : GetDCEx(window_, update, DCX_WINDOW | DCX_INTERSECTRGN | kDcxUseStyle);
  if (!dc) return;
  background_.CopyTo(dc, 0, 0);
  ReleaseDC(window_, dc);
}

// Some systems draw a menu window's frame inside its client area (the window has no
// non-client part): there the frame and the space around the items get the skin's background
// after the window painted itself; the items keep what was drawn on them.
void TWinSkinPopMenu::PaintAroundItems() {
  RECT frame{}, client{};
  GetWindowRect(window_, &frame);
  GetClientRect(window_, &client);
  POINT origin{0, 0};
  ClientToScreen(window_, &origin);
  if (origin.x != frame.left || origin.y != frame.top || client.right != frame.right - frame.left ||
      client.bottom != frame.bottom - frame.top)
    return;
  auto menu = reinterpret_cast<HMENU>(SendMessageW(window_, MN_GETHMENU, 0, 0));
  HDC dc = GetWindowDC(window_);
  if (!dc) return;
  const int count = menu ? GetMenuItemCount(menu) : 0;
  for (int i = 0; i < count; ++i) {
    RECT item{};
    if (GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &item))
      ExcludeClipRect(dc, item.left - frame.left, item.top - frame.top, item.right - frame.left, item.bottom - frame.top);
  }
  background_.CopyTo(dc, 0, 0);
  ReleaseDC(window_, dc);
}

LRESULT TWinSkinPopMenu::Print(WPARAM wParam, LPARAM lParam) {
  auto dc = reinterpret_cast<HDC>(wParam);
  background_.CopyTo(dc, 0, 0);
  const int saved = SaveDC(dc);
  SetBkMode(dc, TRANSPARENT);
  RECT r{};
  GetWindowRect(window_, &r);
  IntersectClipRect(dc, 3, 3, r.right - r.left - 3, r.bottom - r.top - 3);
  const LRESULT result = subclass_.CallOld(WM_PRINT, wParam, lParam);
  RestoreDC(dc, saved);
  return result;
}

LRESULT TWinSkinPopMenu::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == SKINMSG_QUERY) return 1;
  TSkinManage* manager = TSkinManage::Instance();
  if (!manager || !manager->Active()) return subclass_.CallOld(msg, wParam, lParam);
  switch (msg) {
  case WM_DESTROY: {
    // The procedure goes back first: the window's last messages are the system's business.
    subclass_.Detach();
    background_.Release();
    if (current == this) current = nullptr;
    return subclass_.CallOld(msg, wParam, lParam);
  }
  case WM_ERASEBKGND:
    if (!TSkinManage::IsNT()) return 0;
    if (!skinData_ || !InSet(skinData_->Options(), xoMenuBG)) subclass_.CallOld(msg, wParam, lParam);
    return 1;
  case WM_NCPAINT:
    if (!BuildBackground()) break;
    PaintBackground(reinterpret_cast<HRGN>(wParam));
    if (marker_ == 0) current = this;
    return 0;
  case WM_PRINT:
    if (!BuildBackground()) break;
    return Print(wParam, lParam);
  case WM_PAINT: {
    const LRESULT result = subclass_.CallOld(msg, wParam, lParam);
    if (BuildBackground()) PaintAroundItems();
    return result;
  }
  }
  return subclass_.CallOld(msg, wParam, lParam);
}

} // namespace vcu

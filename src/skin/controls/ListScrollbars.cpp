#include "skin/controls/ListScrollbars.h"

#include <utility>

#include "skin/controls/DeferredFree.h"
#include "skin/controls/WScrollbar.h"

namespace vcu {

const TClassInfo& TListBarSkin::ClassInfo() {
  static const TClassInfo info("TListBarSkin", &TSkinControl::ClassInfo(), {});
  return info;
}

const TClassInfo& TComboxScrollBar::ClassInfo() {
  static const TClassInfo info("TComboxScrollBar", &TListBarSkin::ClassInfo(), {});
  return info;
}

const TClassInfo& TSkinScrollbarH::ClassInfo() {
  static const TClassInfo info("TSkinScrollbarH", &TListBarSkin::ClassInfo(), {});
  return info;
}

TListBarSkin::TListBarSkin(TComponent* owner) : TSkinControl(owner) {}

TListBarSkin::~TListBarSkin() { FreeBar(); }

void TListBarSkin::AttachWindow(HWND list, TSkinData* skin, TWinSkinForm*) {
  if (attached_ || !list || !IsWindow(list)) return;
  TSkinControl::AttachWindow(list, skin, nullptr);
  Follow();
}

void TListBarSkin::RestoreControl() {
  TSkinControl::RestoreControl();
  FreeBar();
}

void TListBarSkin::SkinChanged() {
  if (bar_) bar_->SkinChanged();
}

// A bar held down runs the native bar's loop inside its own press handler: it is freed once
// the press is over.
void TListBarSkin::FreeBar() {
  TWScrollbar* going = std::exchange(bar_, nullptr);
  if (!going) return;
  if (!going->Pressed()) {
    delete going;
    return;
  }
  going->Orphan();
  FreeWhenDone(going, [going] { return !going->Pressed(); });
}

void TListBarSkin::Follow() {
  if (!handle_ || !IsWindow(handle_)) return;
  if (!IsWindowVisible(handle_)) {
    if (bar_) bar_->HideBar();
    return;
  }
  // Made when the list first shows: a list that never drops costs no window.
  if (!bar_) {
    bar_ = new TWScrollbar(nullptr);
    bar_->BindWindow(this, handle_, sbkVertical);
  }
  bar_->Reposition(handle_);
  if (Topmost() && bar_->Shown() && bar_->HandleAllocated())
    SetWindowPos(bar_->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TListBarSkin::AfterMessage(TMessage& message) {
  switch (message.Msg) {
  case WM_SHOWWINDOW:
    if (!message.WParam && bar_) bar_->HideBar();
    break;
  case WM_WINDOWPOSCHANGED:
  case WM_SIZE:
  case LB_ADDSTRING:
  case LB_INSERTSTRING:
  case LB_DELETESTRING:
  case LB_RESETCONTENT:
    Follow();
    break;
  case WM_NCDESTROY:
    if (bar_) bar_->HideBar();
    break;
  // Whatever may have moved the list's thumb.
  case WM_VSCROLL:
  case WM_MOUSEWHEEL:
  case WM_KEYDOWN:
  case WM_MOUSEMOVE:
  case WM_LBUTTONUP:
  case WM_NCPAINT:
  case LB_SETTOPINDEX:
  case LB_SETCURSEL:
    if (bar_ && bar_->Shown()) bar_->InvalidateBar();
    break;
  default: break;
  }
  TSkinControl::AfterMessage(message);
}

// After the list's own paint: its bar may have come or gone with the items.
void TListBarSkin::DrawControl(HDC, const RECT&) {
  if (!bar_) {
    Follow();
    return;
  }
  const bool hasBar = (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_VSCROLL) != 0;
  if (hasBar != bar_->Shown()) Follow();
  else if (bar_->Shown()) bar_->InvalidateBar();
}

} // namespace vcu

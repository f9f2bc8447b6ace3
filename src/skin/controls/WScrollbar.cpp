#include "skin/controls/WScrollbar.h"

#include <windowsx.h>

#include "core/controls/ScrollBarComposer.h"
#include "core/elements/SkinElements.h"
#include "core/image/PixelOps.h"
#include "framework/OptionalApis.h"
#include "framework/TypInfo.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/WinSkinData.h"

namespace vcu {
namespace {

constexpr int kStripFrames = 23;
constexpr int kTrackFrames = 4;
constexpr int kDefaultThumbFrames = 3;

} // namespace

const TClassInfo& TWScrollbar::ClassInfo() {
  static const TClassInfo info("TWScrollbar", &TCustomPanel::ClassInfo(), {});
  return info;
}

TWScrollbar::TWScrollbar(TComponent* owner) : TCustomPanel(owner), alive_(std::make_shared<bool>(true)) {
  arrowSize_ = GetSystemMetrics(SM_CXHSCROLL);
  SetTabStop(false);
  SetBevelOuter(bvNone);
  // Made hidden: the first Reposition shows it where the native bar is.
  TControl::SetVisible(false);
}

TWScrollbar::~TWScrollbar() { *alive_ = false; }

// A tool window is never activated or listed; no tab stop, so dialog keys pass it by.
void TWScrollbar::CreateParams(TCreateParams& params) {
  TCustomPanel::CreateParams(params);
  params.style &= ~static_cast<DWORD>(WS_TABSTOP);
  params.exStyle |= WS_EX_TOOLWINDOW;
}

void TWScrollbar::Bind(TSkinControl* owner, TWinControl* scrolled, TOverlayKind kind) {
  owner_ = owner;
  scrolledControl_ = scrolled;
  scrolled_ = scrolled ? scrolled->Handle() : nullptr;
  kind_ = kind;
  vertical_ = kind == sbkVertical;
  if (kind == sbkControl) vertical_ = AsciiLower(GetEnumText(scrolled, "Kind")) != "sbhorizontal";
  TWinControl* parent = scrolled ? scrolled->Parent() : nullptr;
  if (parent) SetColor(parent->Color());
  else if (owner_ && owner_->Skin()) SetColor(static_cast<TColor>(owner_->Skin()->ColourButtonFace));
  if (!scrolled_) return;
  SetParentWindow(GetParent(scrolled_));
  Reposition(scrolled_);
}

void TWScrollbar::BindWindow(TSkinControl* owner, HWND scrolled, TOverlayKind kind) {
  owner_ = owner;
  scrolledControl_ = nullptr;
  scrolled_ = scrolled;
  kind_ = kind;
  if (owner_ && owner_->Skin()) SetColor(static_cast<TColor>(owner_->Skin()->ColourButtonFace));
  if (!scrolled_ || !IsWindow(scrolled_)) return;
  SetParentWindow(GetParent(scrolled_));
  Reposition(scrolled_);
}

bool TWScrollbar::ReadBar(SCROLLBARINFO& info) const {
  GetScrollBarInfoFunc read = GetScrollBarInfoProc();
  if (!read || !scrolled_ || !IsWindow(scrolled_)) return false;
  if (kind_ == sbkControl) return ReadControlBar(info, true);
  info = SCROLLBARINFO{};
  info.cbSize = sizeof info;
  return read(scrolled_, Vertical() ? OBJID_VSCROLL : OBJID_HSCROLL, &info) != FALSE;
}

// The control's whole window is the bar; the thumb follows from its range, page and position.
bool TWScrollbar::ReadControlBar(SCROLLBARINFO& info, bool minimumThumb) const {
  info = SCROLLBARINFO{};
  info.cbSize = sizeof info;
  if (!GetWindowRect(scrolled_, &info.rcScrollBar)) return false;
  SCROLLINFO values{sizeof values, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS, 0, 0, 0, 0, 0};
  if (!GetScrollInfo(scrolled_, SB_CTL, &values)) return false;
  const RECT& r = info.rcScrollBar;
  const int length = vertical_ ? r.bottom - r.top : r.right - r.left;
  ScrollInfoValues read{values.nMin, values.nMax, static_cast<int>(values.nPage), values.nPos};
  // At a press a control that publishes its values is read from them.
  if (!minimumThumb && scrolledControl_ && GetPropInfo(scrolledControl_, "PageSize")) {
    read = ScrollInfoValues{static_cast<int>(GetIntProp(scrolledControl_, "Min")), static_cast<int>(GetIntProp(scrolledControl_, "Max")),
                            static_cast<int>(GetIntProp(scrolledControl_, "PageSize")),
                            static_cast<int>(GetIntProp(scrolledControl_, "Position"))};
  }
  const ThumbExtent thumb = ThumbFromScrollInfo(length, arrowSize_, read, minimumThumb);
  info.dxyLineButton = arrowSize_;
  info.xyThumbTop = thumb.top;
  info.xyThumbBottom = thumb.bottom;
  const LONG_PTR style = GetWindowLongPtrW(scrolled_, GWL_STYLE);
  if (style & WS_DISABLED) info.rgstate[0] |= STATE_SYSTEM_UNAVAILABLE;
  if (!(style & WS_VISIBLE)) info.rgstate[0] |= STATE_SYSTEM_INVISIBLE;
  return true;
}

void TWScrollbar::Reposition(HWND window) {
  scrolled_ = window;
  SCROLLBARINFO info;
  shown_ = ReadBar(info);
  if (!shown_) return;
  const bool visible = (GetWindowLongPtrW(scrolled_, GWL_STYLE) & WS_VISIBLE) != 0;
  if (!visible || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) {
    HideBar();
    return;
  }
  RECT bar = info.rcScrollBar;
  barRect_ = bar;
  MapWindowPoints(HWND_DESKTOP, scrolled_, reinterpret_cast<POINT*>(&barRect_), 2);
  barLength_ = Vertical() ? bar.bottom - bar.top : bar.right - bar.left;
  ShowAt(bar);
}

// Just above the scrolled window among its siblings, so the native bar is covered and
// nothing else is.
void TWScrollbar::ShowAt(const RECT& screenBar) {
  HWND self = Handle();
  POINT corner{screenBar.left, screenBar.top};
  ScreenToClient(GetParent(self), &corner);
  const int width = screenBar.right - screenBar.left, height = screenBar.bottom - screenBar.top;
  HWND before = GetWindow(scrolled_, GW_HWNDPREV);
  UINT flags = SWP_NOACTIVATE | SWP_SHOWWINDOW;
  if (before == self) flags |= SWP_NOZORDER;
  SetWindowPos(self, before ? before : HWND_TOP, corner.x, corner.y, width, height, flags);
  MoveWindow(self, corner.x, corner.y, width, height, TRUE);
  TControl::SetVisible(true);
  shown_ = true;
}

void TWScrollbar::HideBar() {
  if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
  shown_ = false;
  TControl::SetVisible(false);
}

void TWScrollbar::SetHotPart(int part) {
  hotPart_ = part;
  InvalidateBar();
}

void TWScrollbar::InvalidateBar() {
  if (HandleAllocated()) InvalidateRect(Handle(), nullptr, FALSE);
}

void TWScrollbar::SkinChanged() {
  frames_.Clear();
  InvalidateBar();
}

// ---- messages

void TWScrollbar::Dispatch(TMessage& message) {
  switch (message.Msg) {
  case WM_PAINT: OnPaint(message); return;
  case WM_ERASEBKGND: message.Result = 1; return; // the paint covers every pixel
  case WM_MOUSEMOVE: OnMouseMove(message); break;
  case WM_MOUSELEAVE: OnMouseLeave(message); break;
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK: OnLButtonDown(message); return;
  case WM_LBUTTONUP: OnLButtonUp(message); return;
  default: break;
  }
  TCustomPanel::Dispatch(message);
}

void TWScrollbar::OnMouseMove(TMessage& message) {
  const POINT p{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  const int part = ScrollPartAt(ScrollSpan{barLength_, arrowSize_, thumbStart_, thumbEnd_}, Along(p));
  if (part != hotPart_) {
    hotPart_ = part;
    InvalidateBar();
  }
  // The panel's own handling asks for the leave notification.
}

void TWScrollbar::OnMouseLeave(TMessage&) {
  if (pressed_) return;
  hotPart_ = spNone;
  InvalidateBar();
}

void TWScrollbar::OnLButtonDown(TMessage& message) {
  TCustomPanel::Dispatch(message);
  GetCursorPos(&pressCursor_);
  SCROLLBARINFO info;
  const bool control = kind_ == sbkControl;
  const bool read = control ? (GetScrollBarInfoProc() && ReadControlBar(info, false)) : ReadBar(info);
  if (read) pressThumbStart_ = info.xyThumbTop;
  POINT p{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  hotPart_ = ScrollPartAt(ScrollSpan{barLength_, arrowSize_, thumbStart_, thumbEnd_}, Along(p));
  // A scrolled window's bar takes the press in screen coordinates; a control, as it lies
  // under the overlay, in its own.
  if (!control) {
    if (read) barScreenPos_ = POINT{info.rcScrollBar.left, info.rcScrollBar.top};
    p.x += barScreenPos_.x;
    p.y += barScreenPos_.y;
  }
  pressed_ = true;
  InvalidateBar();
  ReleaseCapture();
  // The native bar's own loop runs inside this call until the button is released: it
  // repeats, drags and scrolls, and the overlay repaints from the notifications it sends.
  const std::shared_ptr<bool> alive = alive_;
  if (control) SendMessageW(scrolled_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
  else SendMessageW(scrolled_, WM_NCLBUTTONDOWN, Vertical() ? HTVSCROLL : HTHSCROLL, MAKELPARAM(p.x, p.y));
  if (!*alive) return; // skinning went off while the button was held
  pressed_ = false;
  ReleaseCapture();
  InvalidateBar();
  // The native loop had the mouse, and with it any leave request: asked anew, the leave comes
  // (at once when the pointer is already elsewhere) and the hot part ends with it.
  if (TrackMouseEventFunc track = TrackMouseEventProc()) {
    TRACKMOUSEEVENT request{sizeof request, TME_LEAVE, Handle(), 0};
    track(&request);
  }
}

void TWScrollbar::Orphan() {
  owner_ = nullptr;
  scrolledControl_ = nullptr;
  shown_ = false;
  if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
}

void TWScrollbar::OnLButtonUp(TMessage& message) {
  pressed_ = false;
  ReleaseCapture();
  if (kind_ == sbkControl) {
    PostMessageW(scrolled_, WM_LBUTTONUP, MK_LBUTTON, message.LParam);
    InvalidateBar();
    return;
  }
  POINT p{GET_X_LPARAM(message.LParam) + barScreenPos_.x, GET_Y_LPARAM(message.LParam) + barScreenPos_.y};
  PostMessageW(scrolled_, WM_NCLBUTTONUP, Vertical() ? HTVSCROLL : HTHSCROLL, MAKELPARAM(p.x, p.y));
}

void TWScrollbar::OnPaint(TMessage& message) {
  HDC given = reinterpret_cast<HDC>(message.WParam);
  PAINTSTRUCT ps{};
  HDC dc = given ? given : BeginPaint(Handle(), &ps);
  if (dc) Paint(dc);
  if (!given) EndPaint(Handle(), &ps);
  message.Result = 0;
}

void TWScrollbar::Paint(HDC dc) {
  TSkinData* skin = owner_ ? owner_->Skin() : nullptr;
  if (!skin || !skin->Scrollbar || skin->Scrollbar->Bitmap.Empty()) return;
  SCROLLBARINFO info;
  if (!ReadBar(info) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) return;
  const bool enabled = (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0;
  const int width = info.rcScrollBar.right - info.rcScrollBar.left;
  const int height = info.rcScrollBar.bottom - info.rcScrollBar.top;
  RECT client;
  GetClientRect(Handle(), &client);
  // The native bar moved on and the overlay is not yet in step: the next Reposition paints.
  if (width <= 0 || height <= 0 || width > client.right || height > client.bottom) return;
  barLength_ = Vertical() ? height : width;

  if (pressed_ && hotPart_ == spThumb && kind_ != sbkControl) {
    POINT cursor;
    GetCursorPos(&cursor);
    const ScrollSpan span{barLength_, arrowSize_, thumbStart_, thumbEnd_};
    const int length = thumbEnd_ - thumbStart_;
    thumbStart_ = DraggedThumbStart(span, pressThumbStart_, Along(cursor) - Along(pressCursor_));
    thumbEnd_ = thumbStart_ + length;
  } else {
    thumbStart_ = info.xyThumbTop;
    thumbEnd_ = info.xyThumbBottom;
  }

  const TDataSkinObject& strip = *skin->Scrollbar;
  ScrollBarLook look;
  look.vertical = Vertical();
  look.length = barLength_;
  look.breadth = Vertical() ? width : height;
  look.arrowSize = arrowSize_;
  look.stripHeight = strip.Bitmap.Height();
  look.thumbStart = thumbStart_;
  look.thumbEnd = thumbEnd_;
  look.hotPart = hotPart_;
  look.pressed = pressed_;
  look.enabled = enabled;
  const ScrollBarLayout layout = LayOutScrollBar(look);

  if (!buffer_.Prepare(width, height)) return;
  const TDataSkinObject* track = Vertical() ? skin->VertScroll.get() : skin->HorzScroll.get();
  const TDataSkinObject* thumb = Vertical() ? skin->VertScrollThumb.get() : skin->HorzScrollThumb.get();
  const auto stripFrame = [&](const ScrollPartBox& part) -> ScrollPartImage {
    if (!part.drawn) return {};
    return {&frames_.Sliced(strip, part.box.Width(), part.box.Height(), part.frame, kStripFrames, true), true};
  };
  ScrollBarImages images;
  if (track && !track->Bitmap.Empty() && layout.track.drawn)
    images.track = {&frames_.Sliced(*track, layout.track.box.Width(), layout.track.box.Height(), layout.track.frame,
                                    kTrackFrames),
                    track->Trans == 1};
  images.firstArrow = stripFrame(layout.firstArrow);
  images.secondArrow = stripFrame(layout.secondArrow);
  if (thumb && !thumb->Bitmap.Empty() && layout.thumb.drawn)
    images.thumb = {&frames_.SlicedUntiled(*thumb, layout.thumb.box.Width(), layout.thumb.box.Height(),
                                           layout.thumb.frame, thumb->Frame > 0 ? thumb->Frame : kDefaultThumbFrames),
                    thumb->Trans == 1};
  images.grip = stripFrame(layout.grip);
  ComposeScrollBar(buffer_.Pixels(), layout, images, PixelFromRgb(ResolveColour(skin->ColourButtonFace)));
  buffer_.CopyTo(dc, 0, 0);
}

} // namespace vcu

#include "skin/controls/SkinScrollbar.h"

#include <utility>

#include "skin/controls/DeferredFree.h"

#include <exception>
#include <string>

#include "core/text/AsciiText.h"
#include "framework/Controls.h"
#include "framework/TypInfo.h"
#include "skin/controls/WScrollbar.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/WinSkinForm.h"

namespace vcu {
namespace {

// The framework's notice that a control must have its scroll-bar skin made anew; the form
// does that from its own message loop, after the control's message has run.
constexpr UINT CM_REBUILDSCROLLSKIN = 0xB033;

bool HasIntegerProperty(const TObject* object, const char* name) {
  const TPropInfo* info = GetPropInfo(object, name);
  return info && info->kind == TPropKind::Integer;
}

} // namespace

const TClassInfo& TSkinScrollbar::ClassInfo() {
  static const TClassInfo info("TSkinScrollbar", &TSkinControl::ClassInfo(), {});
  return info;
}

TSkinScrollbar::TSkinScrollbar(TComponent* owner) : TSkinControl(owner) {}

TSkinScrollbar::~TSkinScrollbar() { FreeBars(); }

void TSkinScrollbar::AttachScrolled(TWinControl* host, TSkinData* skin, TWinSkinForm* form) {
  if (attached_ || !host) return;
  skin_ = skin;
  host_ = host;
  handle_ = host->Handle();
  unicode_ = IsWindowUnicode(handle_) != FALSE;
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
  // GetVersionEx is deprecated but answers what this flag asks: the running system's version.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  newSystem_ = GetVersionExW(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT &&
               version.dwMajorVersion > 4 && version.dwMinorVersion > 0;
#pragma GCC diagnostic pop
  JoinForm(form);

  drawBorder_ = AsciiLower(GetEnumText(host, "BorderStyle")) != "bsnone";
  if (host->ClassName() == "TImageScrollBox" || mode_ == 1) drawBorder_ = false;

  TakeFixedColor();

  horzBar_ = new TWScrollbar(this);
  horzBar_->Bind(this, host, sbkHorizontal);
  vertBar_ = new TWScrollbar(this);
  vertBar_->Bind(this, host, sbkVertical);
  SetBarsEnabled(host->Enabled());
  if (!host->Visible()) HideBars();

  HookHost();
  attached_ = true;
  phase_ = phAttached;
  // The border and the bars show at once, not at the host's next paint.
  RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
}

void TSkinScrollbar::TakeFixedColor() {
  if (!host_ || !skin_ || !HasIntegerProperty(host_, "FixedColor")) return;
  if (!ownsColor_) savedColor_ = static_cast<std::int32_t>(GetIntProp(host_, "FixedColor"));
  ownsColor_ = true;
  SetPropText(host_, "FixedColor", std::to_string(skin_->ColourButtonFace));
}

void TSkinScrollbar::RestoreControl() {
  if (ownsColor_ && host_) SetPropText(host_, "FixedColor", std::to_string(savedColor_));
  ownsColor_ = false;
  TSkinControl::RestoreControl();
  if (phase_ != phWindowGone) FreeBars();
  // The native border and bars come back on screen.
  if (phase_ != phWindowGone && handle_ && IsWindow(handle_))
    RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
}

void TSkinScrollbar::SkinChanged() {
  TakeFixedColor();
  if (horzBar_) horzBar_->SkinChanged();
  if (vertBar_) vertBar_->SkinChanged();
  RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
}

// A bar held down by the user runs the native bar's loop inside its own press handler, and
// skinning may go off from inside that loop: such a bar leaves now and is freed once the
// press is over.
void TSkinScrollbar::FreeBar(TWScrollbar*& bar) {
  TWScrollbar* going = std::exchange(bar, nullptr);
  if (!going) return;
  if (!going->Pressed()) {
    delete going;
    return;
  }
  going->Orphan();
  FreeWhenDone(going, [going] { return !going->Pressed(); });
}

void TSkinScrollbar::FreeBars() {
  FreeBar(horzBar_);
  FreeBar(vertBar_);
}

void TSkinScrollbar::UpdateBars() {
  if (horzBar_) horzBar_->Reposition(handle_);
  if (vertBar_) vertBar_->Reposition(handle_);
}

void TSkinScrollbar::HideBars() {
  if (horzBar_) horzBar_->HideBar();
  if (vertBar_) vertBar_->HideBar();
}

void TSkinScrollbar::SetBarsEnabled(bool enabled) {
  if (horzBar_) horzBar_->SetEnabled(enabled);
  if (vertBar_) vertBar_->SetEnabled(enabled);
}

// ---- messages

bool TSkinScrollbar::BeforeMessage(TMessage& message) {
  // The native frame paints the border and the corner between the bars; the skin's go over
  // them at once.
  if (message.Msg == WM_NCPAINT) {
    CallPrevious(message);
    HDC dc = GetWindowDC(handle_);
    if (dc) {
      if (drawBorder_) DrawScrolledBorder(dc);
      FillSizeBox(dc);
      ReleaseDC(handle_, dc);
    }
    return false;
  }
  // The bars live in the parent window: they must not stay up over a window that is gone.
  if (message.Msg == WM_NCDESTROY) HideBars();
  return TSkinControl::BeforeMessage(message);
}

void TSkinScrollbar::AfterMessage(TMessage& message) {
  switch (message.Msg) {
  case WM_SIZE:
  case WM_WINDOWPOSCHANGED:
    sized_ = true;
    UpdateBars();
    break;
  case WM_HSCROLL:
    if (horzBar_) horzBar_->SetHotPart(LOWORD(message.WParam));
    break;
  case WM_VSCROLL:
    if (vertBar_) vertBar_->SetHotPart(LOWORD(message.WParam));
    break;
  case WM_MOUSEWHEEL:
    if (horzBar_ && horzBar_->Shown()) horzBar_->InvalidateBar();
    if (vertBar_ && vertBar_->Shown()) vertBar_->InvalidateBar();
    break;
  case CM_VISIBLECHANGED:
    if (message.WParam) UpdateBars();
    else HideBars();
    break;
  case CM_ENABLEDCHANGED:
    if (host_) SetBarsEnabled(host_->Enabled());
    break;
  case CM_REBUILDSCROLLSKIN:
    if (host_ && form_ && form_->Window()) PostMessageW(form_->Window(), SKINMSG_REBUILDSCROLLBAR, reinterpret_cast<WPARAM>(handle_), 0);
    break;
  case SKINMSG_PRINTFRAME:
    if (message.LParam == kPrintAnswer) {
      if (message.WParam) DrawScrolledBorder(reinterpret_cast<HDC>(message.WParam));
      message.Result = kPrintAnswer;
    }
    break;
  default:
    break;
  }
  TSkinControl::AfterMessage(message);
}

// After the host's own paint: the bars that are up repaint; a bar that came with this paint
// (text grew past the memo's height) is put in place now.
void TSkinScrollbar::DrawControl(HDC dc, const RECT&) {
  const LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
  const auto follow = [&](TWScrollbar* bar, LONG_PTR scrollStyle) {
    if (!bar) return;
    if (bar->Shown()) bar->InvalidateBar();
    else if (style & scrollStyle) bar->Reposition(handle_);
  };
  follow(vertBar_, WS_VSCROLL);
  follow(horzBar_, WS_HSCROLL);
  FillSizeBox(dc);
}

// The corner between two bars is the host's own; it takes the face colour. The bars are
// placed in client coordinates and dc is the window's, so the box moves by the client's
// offset in the window.
void TSkinScrollbar::FillSizeBox(HDC dc) {
  if (!horzBar_ || !vertBar_ || !horzBar_->Shown() || !vertBar_->Shown()) return;
  RECT window;
  POINT client{0, 0};
  GetWindowRect(handle_, &window);
  ClientToScreen(handle_, &client);
  const int dx = client.x - window.left, dy = client.y - window.top;
  const RECT& v = vertBar_->BarRect();
  const RECT& h = horzBar_->BarRect();
  const RECT box{v.left + dx, h.top + dy, v.right + dx, h.bottom + dy};
  FillFace(dc, box);
}

void TSkinScrollbar::DrawScrolledBorder(HDC dc) {
  try {
    RECT r;
    if (!GetWindowRect(handle_, &r)) return;
    RECT at{0, 0, r.right - r.left, r.bottom - r.top};
    HBRUSH brush = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    const COLORREF old = SetDCBrushColor(dc, ColorToRGB(static_cast<TColor>(skin_->ColourButtonShadow)));
    FrameRect(dc, &at, brush);
    InflateRect(&at, -1, -1);
    SetDCBrushColor(dc, ColorToRGB(static_cast<TColor>(skin_->ColourButtonFace)));
    FrameRect(dc, &at, brush);
    SetDCBrushColor(dc, old);
  } catch (const std::exception&) {
    // A failed border ends that border only.
  }
}

} // namespace vcu

#include "skin/controls/SkinControl.h"

#include <vector>

#include <exception>

#include "core/elements/Colours.h"
#include "core/elements/SkinElements.h"
#include "core/image/Slicing.h"
#include "framework/Controls.h"
#include "framework/OptionalApis.h"
#include "framework/TypInfo.h"
#include "skin/data/FrameDraw.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/SkinManage.h"
#include "skin/form/WinSkinForm.h"

namespace vcu {
namespace {

// A caption read from a property is in the ANSI code page, as the framework's windows are.
std::wstring WideOfAnsi(const std::string& text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  std::wstring wide(text.size(), L'\0');
  const int made = MultiByteToWideChar(CP_ACP, 0, text.data(), length, &wide[0], length);
  wide.resize(static_cast<size_t>(made > 0 ? made : 0));
  return wide;
}

} // namespace

const TClassInfo& TSkinControl::ClassInfo() {
  static const TClassInfo info("TSkinControl", &TComponent::ClassInfo(), {});
  return info;
}

TSkinControl::TSkinControl(TComponent* owner) : TComponent(owner), alive_(std::make_shared<bool>(true)) {}

TSkinControl::~TSkinControl() {
  *alive_ = false;
  Destroying();
  Unhook();
  if (form_) form_->RemoveControl(this);
}

void TSkinControl::Unhook() {
  if (hooked_ && hookedControl_) hookedControl_->WindowProc.Remove(hookId_);
  hooked_ = false;
  hookedControl_ = nullptr;
  subclass_.Detach();
}

// ---- attaching

void TSkinControl::JoinForm(TWinSkinForm* form) {
  form_ = form;
  if (form_) form_->AddControl(this);
}

void TSkinControl::HookHost() {
  // A window-less host is hooked the same way: its messages come through its handler chain.
  TControl* control = host_ ? static_cast<TControl*>(host_) : graphicHost_;
  if (!control || hooked_) return;
  hookedControl_ = control;
  hookId_ = control->WindowProc.Add([this](TMessage& message, const TWindowProcChain::Next& next) {
    const std::shared_ptr<bool> alive = alive_;
    const TWindowProcChain::Next* outer = next_;
    next_ = &next;
    HookProc(message);
    if (*alive) next_ = outer;
  });
  hooked_ = true;
}

void TSkinControl::AttachControl(TWinSkinForm* form, TSkinData* skin, bool takeColor) {
  if (attached_) return;
  ownsColor_ = takeColor;
  skin_ = skin;
  host_ = dynamic_cast<TWinControl*>(Owner());
  if (!host_) return;
  handle_ = host_->Handle();
  unicode_ = IsWindowUnicode(handle_) != FALSE;
  focused_ = GetFocus() == handle_;
  HookHost();
  JoinForm(form);
  if (ownsColor_) {
    TakeParentBackground();
    savedColor_ = host_->Color();
    host_->SetColor(static_cast<TColor>(FaceColour()));
  }
  if (parentBackgroundCleared_) mode_ = 1;
  host_->Invalidate();
  attached_ = true;
  phase_ = phAttached;
}

void TSkinControl::AttachWindow(HWND handle, TSkinData* skin, TWinSkinForm* form) {
  if (attached_) return;
  handle_ = handle;
  skin_ = skin;
  enabled_ = true;
  mode_ = 0;
  JoinForm(form);
  unicode_ = IsWindowUnicode(handle_) != FALSE;
  focused_ = GetFocus() == handle_;
  caption_ = ReadWindowText();
  subclass_.Attach(handle_, [this](UINT msg, WPARAM wParam, LPARAM lParam) { return WindowHook(msg, wParam, lParam); });
  InvalidateRect(handle_, nullptr, TRUE);
  attached_ = true;
  phase_ = phAttached;
}

void TSkinControl::RestoreControl() {
  if (!ownsColor_ || !host_) return;
  GiveParentBackground();
  host_->SetColor(static_cast<TColor>(savedColor_));
}

void TSkinControl::SkinChanged() {
  if (ownsColor_ && host_) host_->SetColor(static_cast<TColor>(FaceColour()));
  Repaint();
}

void TSkinControl::Repaint() {
  if (graphicHost_) {
    graphicHost_->Invalidate();
    return;
  }
  if (!handle_ || !IsWindow(handle_)) return;
  InvalidateRect(handle_, nullptr, TRUE);
  UpdateWindow(handle_);
}

// ---- message routing

LRESULT TSkinControl::WindowHook(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  HookProc(message);
  return message.Result;
}

void TSkinControl::HookProc(TMessage& message) {
  FollowFocus(message.Msg);
  if (message.Msg == SKINMSG_ACTIVE) {
    active_ = static_cast<INT_PTR>(message.WParam) > 0;
    if (active_) Repaint();
    return;
  }
  if (!active_) {
    CallPrevious(message);
    return;
  }
  if (BeforeMessage(message)) {
    // The previous handler may run a modal loop in which skinning goes off and this object
    // is freed; nothing of it may be touched then.
    const std::shared_ptr<bool> alive = alive_;
    CallPrevious(message);
    if (*alive) AfterMessage(message);
  }
}

void TSkinControl::CallPrevious(TMessage& message) {
  if (next_) {
    (*next_)(message);
    return;
  }
  message.Result = subclass_.CallOld(message.Msg, message.WParam, message.LParam);
}

bool TSkinControl::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
  case WM_NCDESTROY:
    CallPrevious(message);
    active_ = false;
    phase_ = phWindowGone;
    RestoreControl();
    return false;
  case SKINMSG_QUERY:
    message.Result = 1;
    return false;
  default:
    return true;
  }
}

void TSkinControl::AfterMessage(TMessage& message) {
  switch (message.Msg) {
  case WM_SETFOCUS:
  case WM_KILLFOCUS:
  case WM_ENABLE:
  case WM_SETTEXT:
  case CM_ENABLEDCHANGED:
    Repaint();
    break;
  case WM_PAINT:
    PaintWindow(reinterpret_cast<HDC>(message.WParam));
    break;
  default:
    break;
  }
}

void TSkinControl::DrawControl(HDC, const RECT&) {}

// ---- painting

// The focus is followed through the focus messages, which every window gets, and read from
// the system once at attach: asking the system at each paint costs a server round trip under
// some window systems, several times a whole paint.
void TSkinControl::ReadWindowState() {
  const LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
  enabled_ = (style & WS_DISABLED) == 0;
}

void TSkinControl::FollowFocus(UINT msg) {
  if (msg == WM_SETFOCUS) focused_ = true;
  else if (msg == WM_KILLFOCUS) focused_ = false;
}

void TSkinControl::PaintWindow(HDC dc) {
  RECT r;
  if (!handle_ || !GetWindowRect(handle_, &r)) return;
  windowRect_ = r;
  const RECT at{0, 0, r.right - r.left, r.bottom - r.top};
  HDC target = dc ? dc : GetWindowDC(handle_);
  if (!target) return;
  try {
    DrawControl(target, at);
  } catch (const std::exception&) {
    // A failed paint ends that paint only; the next one starts afresh.
  }
  if (!dc) ReleaseDC(handle_, target);
}

void TSkinControl::PaintInPlace(TMessage& message) {
  HDC given = reinterpret_cast<HDC>(message.WParam);
  PAINTSTRUCT ps{};
  HDC dc = given ? given : BeginPaint(handle_, &ps);
  RECT r;
  if (dc && GetWindowRect(handle_, &r)) {
    windowRect_ = r;
    const RECT at{0, 0, r.right - r.left, r.bottom - r.top};
    try {
      DrawControl(dc, at);
    } catch (const std::exception&) {
    }
  }
  if (!given) EndPaint(handle_, &ps);
  message.Result = 0;
}

void TSkinControl::EraseTransparent(TMessage& message) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  if (host_) {
    PaintParentBackground(host_, dc);
  } else {
    RECT r;
    GetClientRect(handle_, &r);
    FillParentColor(dc, r);
  }
  message.Result = 1;
}

Colour TSkinControl::FaceColour() const {
  return skin_ ? skin_->ColourButtonFace : SystemColourValue(COLOR_BTNFACE);
}

Colour TSkinControl::ParentColour() const {
  TWinControl* parent = host_ ? host_->Parent() : nullptr;
  const TPropInfo* colour = GetPropInfo(parent, "Color");
  if (colour && colour->kind == TPropKind::Integer) return static_cast<Colour>(GetIntProp(parent, "Color"));
  return FaceColour();
}

void TSkinControl::FillColor(HDC dc, const RECT& rect, Colour colour) {
  // The DC's own brush: no GDI object is made per fill.
  const COLORREF old = SetDCBrushColor(dc, ColorToRGB(static_cast<TColor>(colour)));
  FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  SetDCBrushColor(dc, old);
}

void TSkinControl::FillFace(HDC dc, const RECT& rect) const { FillColor(dc, rect, FaceColour()); }

void TSkinControl::FillParentColor(HDC dc, const RECT& rect) const { FillColor(dc, rect, ParentColour()); }

// The parent's background and window-less children, shifted so that the part under the
// control lands at dc's origin. A framework parent paints its labels itself: asking it for a
// whole WM_PAINT would go to the system's handler, which validates the parent's pending update
// without drawing into dc.
void TSkinControl::PaintParentBackground(TControl* control, HDC dc) {
  TWinControl* parent = control ? control->Parent() : nullptr;
  if (!parent || !dc || !parent->HandleAllocated()) return;
  const int saved = SaveDC(dc);
  POINT origin;
  OffsetViewportOrgEx(dc, -control->Left(), -control->Top(), &origin);
  IntersectClipRect(dc, control->Left(), control->Top(), control->Left() + control->Width(),
                    control->Top() + control->Height());
  SendMessageW(parent->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  parent->PaintControls(dc);
  RestoreDC(dc, saved);
}

void TSkinControl::DrawSkinFrame(HDC dc, const RECT& rect, int count, int index, const TDataSkinObject& element) {
  if (rect.right < rect.left || rect.bottom < rect.top) return;
  DrawSlicedFrame(dc, rect, element.Bitmap, element.Margins(), index, count, element.Trans == 1,
                  element.Tile != 0, false);
}

void TSkinControl::DrawFrameTransparent(HDC dc, const RECT& rect, int count, int index, const Bitmap& bitmap) {
  if (rect.right < rect.left || rect.bottom < rect.top) return;
  DrawStretchedFrame(dc, rect, bitmap, index, count, true);
}

// ---- text

std::wstring TSkinControl::ReadWindowText() const {
  if (!handle_) return {};
  const int length = GetWindowTextLengthW(handle_);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(handle_, &text[0], length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

std::wstring TSkinControl::ReadCaption() const {
  if (host_) return WideOfAnsi(GetTextProp(host_, "Caption"));
  if (graphicHost_) return WideOfAnsi(GetTextProp(graphicHost_, "Caption"));
  return ReadWindowText();
}

HFONT TSkinControl::ControlFont() const {
  if (host_ && host_->Font()) return host_->Font()->Handle();
  if (graphicHost_ && graphicHost_->Font()) return graphicHost_->Font()->Handle();
  return reinterpret_cast<HFONT>(SendMessageW(handle_, WM_GETFONT, 0, 0));
}

int TSkinControl::DrawTextOut(HDC dc, const std::wstring& text, RECT& rect, UINT format) {
  return DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

bool TSkinControl::RightToLeft() const {
  return host_ && AsciiLower(GetEnumText(host_, "BiDiMode")) == "bdrighttoleft";
}

// ---- mouse

void TSkinControl::SetMouseState(unsigned bits, bool on) {
  mouseState_ = on ? (mouseState_ | bits) : (mouseState_ & ~bits);
}

void TSkinControl::RequestMouseLeave() {
  TrackMouseEventFunc track = TrackMouseEventProc();
  if (!track || !handle_) return;
  TRACKMOUSEEVENT request{sizeof request, TME_LEAVE, handle_, 0};
  track(&request);
}

void TSkinControl::ForwardMouseDown(const TMessage& message) {
  if (!host_) return;
  int x = static_cast<short>(LOWORD(message.LParam));
  int y = static_cast<short>(HIWORD(message.LParam));
  // Beyond 16 bits the message's coordinates have wrapped: the cursor tells the truth.
  if (host_->Width() > 0x8000 || host_->Height() > 0x8000) {
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(handle_, &p);
    x = p.x;
    y = p.y;
  }
  host_->MouseDown(mbLeft, ShiftStateOf(message.WParam), x, y);
}

// ---- ParentBackground

void TSkinControl::TakeParentBackground() {
  if (!skin_ || InSet(skin_->Options(), xoParentBackGround) || !host_) return;
  if (!GetPropInfo(host_, "ParentBackground")) return;
  if (AsciiLower(GetEnumText(host_, "ParentBackground")) != "true") return;
  parentBackgroundCleared_ = true;
  SetPropText(host_, "ParentBackground", "False");
}

void TSkinControl::GiveParentBackground() {
  if (!skin_ || InSet(skin_->Options(), xoParentBackGround) || !host_) return;
  if (parentBackgroundCleared_) SetPropText(host_, "ParentBackground", "True");
  parentBackgroundCleared_ = false;
}

} // namespace vcu

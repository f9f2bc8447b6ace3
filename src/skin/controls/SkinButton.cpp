#include "skin/controls/SkinButton.h"

#include "core/controls/ButtonRules.h"
#include "core/image/Blit.h"
#include "core/image/PixelOps.h"
#include "framework/Controls.h"
#include "framework/TypInfo.h"
#include "skin/data/WinSkinData.h"
#include "skin/data/WindowClass.h"

namespace vcu {
namespace {

// Framework notifications a button repaints on: a dialog key went by, the focus moved.
constexpr UINT kDialogKey = CM_BASE + 5;
constexpr UINT kFocusChanged = CM_BASE + 7;
// A hosted button whose class draws presses its own way is not told of them.
constexpr std::int64_t kTransparentTag = 5555;
constexpr UINT_PTR kButtonTimer = 1;

bool ClassTakesOwnPresses(const std::string& className) {
  const std::string lower = AsciiLower(className);
  return lower.rfind("trz", 0) == 0 || lower.rfind("tel", 0) == 0;
}

} // namespace

const TClassInfo& TSkinButton::ClassInfo() {
  static const TClassInfo info("TSkinButton", &TSkinControl::ClassInfo(), {});
  return info;
}

TSkinButton::TSkinButton(TComponent* owner) : TSkinControl(owner) {}

void TSkinButton::AttachControl(TWinSkinForm* form, TSkinData* skin, bool takeColor) {
  if (Attached()) return;
  TSkinControl::AttachControl(form, skin, takeColor);
  if (!host_) return;
  mode_ = ClassTakesOwnPresses(host_->ClassName()) ? 1 : 0;
  transparent_ = host_->Tag() == kTransparentTag || (skin_ && InSet(skin_->Options(), xoTransparent));
}

void TSkinButton::SkinChanged() {
  frames_.Clear();
  TSkinControl::SkinChanged();
}

bool TSkinButton::BeforeMessage(TMessage& message) {
  if (!TSkinControl::BeforeMessage(message)) return false;
  switch (message.Msg) {
  case WM_PAINT:
    PaintInPlace(message);
    return false;
  case WM_ERASEBKGND:
    message.Result = 1;
    return false;
  case WM_TIMER:
    KillTimer(handle_, kButtonTimer);
    message.Result = 0;
    return false;
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK:
    PressAt(message);
    return false;
  default:
    return true;
  }
}

void TSkinButton::PressAt(TMessage& message) {
  if (GetFocus() != handle_) SetFocus(handle_);
  SetMouseState(kMousePressed, true);
  PaintWindow(nullptr);
  if (mode_ == 0 && host_) ForwardMouseDown(message);
  message.Result = 0;
}

void TSkinButton::AfterMessage(TMessage& message) {
  switch (message.Msg) {
  case WM_SETTEXT:
    PaintWindow(nullptr);
    break;
  case WM_KEYDOWN:
  case WM_KEYUP:
    if (message.WParam == VK_SPACE) {
      SetMouseState(kMousePressed, message.Msg == WM_KEYDOWN);
      Repaint();
    }
    break;
  case WM_MOUSEMOVE:
    if (IsWindowEnabled(handle_) && !Hot()) {
      SetMouseState(kMouseHot, true);
      Repaint();
    }
    RequestMouseLeave();
    break;
  case WM_LBUTTONUP:
    if (Pressed()) {
      SetMouseState(kMousePressed, false);
      Repaint();
      DeliverClick(); // last: the click may free this object
    }
    break;
  case WM_MOUSELEAVE:
    SetMouseState(kMouseHot | kMousePressed, false);
    Repaint();
    break;
  // The native button draws its own look straight away on these; the skin goes back over it.
  case BM_SETSTATE:
  case BM_SETSTYLE:
  case kDialogKey:
  case kFocusChanged:
    Repaint();
    break;
  default:
    TSkinControl::AfterMessage(message);
    break;
  }
}

void TSkinButton::DeliverClick() {
  if (host_) {
    host_->Click();
    return;
  }
  HWND parent = GetParent(handle_);
  if (AsciiLower(WindowClassName(handle_)) == "tbutton") {
    PostMessageW(parent, WM_COMMAND, 0, reinterpret_cast<LPARAM>(handle_));
    return;
  }
  const WORD id = static_cast<WORD>(GetDlgCtrlID(handle_));
  PostMessageW(parent, WM_COMMAND, MAKEWPARAM(id, 0), reinterpret_cast<LPARAM>(handle_));
}

void TSkinButton::DrawControl(HDC dc, const RECT& rect) {
  if (!skin_) return;
  const TDataSkinButton& buttons = skin_->Buttons;
  if (buttons.Bitmap.Empty()) return;
  ReadWindowState();
  const ButtonLook look{enabled_, Pressed(), Hot(), focused_, GetBoolProp(host_, "Default")};
  caption_ = ReadCaption();
  const int frame = ButtonFrameIndex(look);

  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  HDC canvas = PrepareFace(width, height, frame);
  if (!canvas) return;
  const RECT area{0, 0, width, height};

  HFONT font = ControlFont();
  HGDIOBJ oldFont = font ? SelectObject(canvas, font) : nullptr;
  SetTextColor(canvas, TextColourOf(frame));
  DrawButtonText(canvas, area, DT_CENTER, caption_);
  if (oldFont) SelectObject(canvas, oldFont);
  buffer_.CopyTo(dc, rect.left, rect.top);
}

HDC TSkinButton::PrepareFace(int width, int height, int frame, bool drawFrame) {
  HDC canvas = buffer_.Prepare(width, height);
  if (!canvas) return nullptr;
  TControl* control = host_ ? static_cast<TControl*>(host_) : graphicHost_;
  if (transparent_ && control) PaintParentBackground(control, canvas);
  else FillRect(buffer_.Pixels(), Rect{0, 0, width, height}, PixelFromRgb(ColorToRGB(FaceColour())));
  const TDataSkinButton& buttons = skin_->Buttons;
  if (drawFrame) buffer_.Compose(frames_.Sliced(buttons, width, height, frame, kButtonFrames), 0, 0, buttons.Trans == 1);
  return canvas;
}

COLORREF TSkinButton::TextColourOf(int frame) const {
  TControl* control = host_ ? static_cast<TControl*>(host_) : graphicHost_;
  const Colour fontColour = control && control->Font() ? control->Font()->Color() : skin_->ColourButtonText;
  return ColorToRGB(ButtonTextColour(frame, fontColour, skin_->Buttons));
}

void TSkinButton::DrawButtonText(HDC dc, const RECT& rect, UINT align, std::wstring& text) {
  text = BreakFirstBars(text);
  RECT measured = rect;
  InflateRect(&measured, -2, -2);
  SetBkMode(dc, TRANSPARENT);
  DrawTextOut(dc, text, measured, align | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK);
  const Rect placed = ButtonTextBox(Rect{rect.left, rect.top, rect.right, rect.bottom},
                                    measured.right - measured.left, measured.bottom - measured.top,
                                    align == DT_CENTER);
  RECT box{placed.left, placed.top, placed.right, placed.bottom};
  const UINT flags = align | DT_WORDBREAK | DT_EXPANDTABS | (RightToLeft() ? DT_RTLREADING : 0);
  DrawTextOut(dc, text, box, flags);
  SetBkMode(dc, OPAQUE);
  if (focused_ && !(skin_ && InSet(skin_->Options(), xoNoFocusRect))) {
    InflateRect(&box, 2, 2);
    DrawFocusRect(dc, &box);
  }
}

} // namespace vcu

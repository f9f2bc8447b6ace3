#include "skin/controls/SkinUpDown.h"

#include <commctrl.h>

#include "core/controls/UpDownRules.h"
#include "core/image/Blit.h"
#include "core/image/PixelOps.h"
#include "core/image/Slicing.h"
#include "skin/data/WinRect.h"
#include "skin/data/WinSkinData.h"

namespace vcu {
namespace {

Pixel SkinPixel(Colour colour) { return PixelFromRgb(ResolveColour(colour)); }

} // namespace

const TClassInfo& TSkinUpDown::ClassInfo() {
  static const TClassInfo info("TSkinUpDown", &TSkinControl::ClassInfo(), {});
  return info;
}

TSkinUpDown::TSkinUpDown(TComponent* owner) : TSkinControl(owner) {}

bool TSkinUpDown::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
  case WM_PAINT:
    PaintInPlace(message);
    return false;
  case WM_ERASEBKGND:
    if (!host_) {
      RECT r;
      GetClientRect(handle_, &r);
      FillColor(reinterpret_cast<HDC>(message.WParam), r, 0xFFFFFF);
    }
    message.Result = 1;
    return false;
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK:
    CallPrevious(message); // the native control starts spinning
    SetMouseState(kMousePressed, true);
    PaintWindow(nullptr);
    return false;
  case WM_LBUTTONUP:
    SetMouseState(kMousePressed, false);
    CallPrevious(message);
    PaintWindow(nullptr);
    return false;
  default:
    return TSkinControl::BeforeMessage(message);
  }
}

// Hot follows the pointer from half to half; a paint only when the half under it changes.
void TSkinUpDown::AfterMessage(TMessage& message) {
  switch (message.Msg) {
  case WM_MOUSEMOVE: {
    if (!Hot()) {
      SetMouseState(kMouseHot, true);
      RequestMouseLeave();
    }
    RECT r;
    GetWindowRect(handle_, &r);
    const int half = HalfUnderPointer(RECT{0, 0, r.right - r.left, r.bottom - r.top});
    if (half != hotHalf_) {
      hotHalf_ = half;
      PaintWindow(nullptr);
    }
    break;
  }
  case WM_MOUSELEAVE:
    SetMouseState(kMouseHot, false);
    hotHalf_ = 0;
    PaintWindow(nullptr);
    break;
  default: TSkinControl::AfterMessage(message); break;
  }
}

int TSkinUpDown::HalfUnderPointer(const RECT& rect) const {
  POINT p;
  if (!GetCursorPos(&p) || !ScreenToClient(handle_, &p)) return 0;
  const bool horizontal = horizontal_ || (GetWindowLongPtrW(handle_, GWL_STYLE) & UDS_HORZ) != 0;
  const SpinHalves halves = SplitSpin(ToRect(rect), horizontal);
  auto inside = [&p](const Rect& r) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; };
  return inside(halves.first) ? 1 : inside(halves.second) ? 2 : 0;
}

void TSkinUpDown::SkinChanged() {
  frames_.Clear();
  TSkinControl::SkinChanged();
}

void TSkinUpDown::DrawControl(HDC dc, const RECT& rect) {
  if (!skin_) return;
  RECT r = rect;
  if (inEdit_) {
    RECT client;
    GetClientRect(handle_, &client);
    FillColor(dc, client, 0xFFFFFF);
    RECT spin, edit;
    HWND parent = GetParent(handle_);
    if (parent && GetWindowRect(handle_, &spin) && GetWindowRect(parent, &edit))
      r = ToRECT(SpinInsideEdit(ToRect(rect), ToRect(spin), ToRect(edit)));
  }
  const int width = r.right - r.left, height = r.bottom - r.top;
  if (width <= 0 || height <= 0 || !buffer_.Prepare(width, height)) return;
  Bitmap& canvas = buffer_.Pixels();
  canvas.Fill(SkinPixel(FaceColour()));

  POINT p{-1, -1};
  if (GetCursorPos(&p)) ScreenToClient(handle_, &p);
  p.x -= r.left;
  p.y -= r.top;
  const LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
  const bool enabled = (style & WS_DISABLED) == 0;
  const bool horizontal = horizontal_ || (style & UDS_HORZ) != 0;
  const TDataSkinBorder* element = (horizontal ? skin_->UpDownHorz : skin_->UpDownVert).get();
  const SpinFallbackColours colours{SkinPixel(FaceColour()), SkinPixel(skin_->ColourButtonShadow),
                                    SkinPixel(skin_->ColourButtonDkShadow)};
  const SpinHalves halves = SplitSpin(Rect{0, 0, width, height}, horizontal);
  auto over = [&p](const Rect& h) { return p.x >= h.left && p.x < h.right && p.y >= h.top && p.y < h.bottom; };
  auto draw = [&](const Rect& half, SpinDirection direction) {
    const int state = SpinHalfState(enabled, over(half), Pressed(), Hot());
    static const Bitmap none;
    const Bitmap* frame = &none;
    const Bitmap* glyph = &none;
    if (element && !element->Bitmap.Empty() && !half.Empty()) {
      const int index = SpinFrameIndex(state, direction);
      frame = &frames_.Stretched(element->Bitmap, half.Width(), half.Height(), index, kSpinFrames);
      const Bitmap& glyphs = element->Bitmap2;
      if (!glyphs.Empty()) {
        const Rect cut = FrameRect(glyphs, index, kSpinFrames, false);
        glyph = &frames_.Stretched(glyphs, cut.Width(), cut.Height(), index, kSpinFrames);
      }
    }
    ComposeSpinHalf(canvas, half, direction, state, *frame, *glyph, colours);
  };
  draw(halves.first, halves.firstDirection);
  draw(halves.second, halves.secondDirection);
  buffer_.CopyTo(dc, r.left, r.top);
}

} // namespace vcu

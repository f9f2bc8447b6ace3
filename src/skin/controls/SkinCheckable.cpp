#include "skin/controls/SkinCheckable.h"

#include "core/controls/ButtonRules.h"
#include "core/controls/CheckRules.h"
#include "core/image/Blit.h"
#include "core/image/PixelOps.h"
#include "framework/Controls.h"
#include "skin/data/WinSkinData.h"

namespace vcu {
namespace {

// Framework notifications after which the check image may have changed.
constexpr UINT kCheckChanged = CM_BASE + 0x1B;
constexpr UINT kStateChanged = CM_BASE + 0xD0;
constexpr std::int64_t kTransparentTag = 5555;

RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
Rect ToRect(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

} // namespace

const TClassInfo& TSkinCheckable::ClassInfo() {
  static const TClassInfo info("TSkinCheckable", &TSkinControl::ClassInfo(), {});
  return info;
}

TSkinCheckable::TSkinCheckable(TComponent* owner) : TSkinControl(owner) {}

void TSkinCheckable::AttachControl(TWinSkinForm* form, TSkinData* skin, bool takeColor) {
  if (Attached()) return;
  TSkinControl::AttachControl(form, skin, takeColor);
  if (!host_) return;
  mode_ = skin_ && !Strip().Empty() ? 1 : 0;
  transparent_ = host_->Tag() == kTransparentTag || (skin_ && InSet(skin_->Options(), xoTransparent));
}

void TSkinCheckable::SkinChanged() {
  frames_.Clear();
  TSkinControl::SkinChanged();
}

bool TSkinCheckable::BeforeMessage(TMessage& message) {
  if (!TSkinControl::BeforeMessage(message)) return false;
  switch (message.Msg) {
  case WM_PAINT:
  case WM_PRINTCLIENT:
    if (mode_ != 1) return true;
    PaintInPlace(message);
    return false;
  case WM_ERASEBKGND:
    // A control painted whole by the skin needs no erase: it would only show before the paint.
    if (mode_ == 1) {
      message.Result = 1;
      return false;
    }
    if (!transparent_) return true;
    EraseTransparent(message);
    return false;
  default:
    return true;
  }
}

void TSkinCheckable::AfterMessage(TMessage& message) {
  switch (message.Msg) {
  case BM_SETCHECK:
  case BM_SETSTATE: // the native button draws its pushed look at once
  case WM_LBUTTONDOWN:
  case WM_LBUTTONUP:
  case WM_LBUTTONDBLCLK:
  case kCheckChanged:
  case kStateChanged:
    Repaint();
    break;
  default:
    TSkinControl::AfterMessage(message);
    break;
  }
}

void TSkinCheckable::DrawControl(HDC dc, const RECT& rect) {
  const Bitmap* strip = skin_ ? &Strip() : nullptr;
  if (!strip || strip->Empty()) {
    mode_ = 0; // the native control paints from now on
    return;
  }
  ReadWindowState();
  const int count = StripFrameCount(FrameCountKey(), strip->Width(), strip->Height());
  const int frameWidth = strip->Width() / count, frameHeight = strip->Height();
  const LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
  const bool leftText = (style & BS_LEFTTEXT) != 0;
  const CheckLayout layout = CheckControlLayout(ToRect(rect), frameWidth, frameHeight, leftText, IsRadio());
  UINT flags = RightToLeft() ? DT_RTLREADING : 0;
  if (leftText && RightToLeft()) flags |= DT_RIGHT;
  const int index = ImageIndex(count);

  if (mode_ != 1) {
    // Over the native control's own paint: only the image replaces its mark.
    DrawFrameTransparent(dc, ToRECT(layout.image), count, index, *strip);
    return;
  }
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  HDC canvas = buffer_.Prepare(width, height);
  if (!canvas) return;
  const RECT area{0, 0, width, height};
  if (transparent_) PaintParentBackground(host_, canvas);
  else FillRect(buffer_.Pixels(), Rect{0, 0, width, height}, PixelFromRgb(ColorToRGB(FaceColour())));
  if (!layout.image.Inverted()) {
    const Rect image = layout.image;
    buffer_.Compose(frames_.Stretched(*strip, image.Width(), image.Height(), index, count),
                    image.left - rect.left, image.top - rect.top, true);
  }
  RECT textBox = ToRECT(layout.text);
  OffsetRect(&textBox, -rect.left, -rect.top);
  DrawCaption(canvas, area, textBox, flags);
  buffer_.CopyTo(dc, rect.left, rect.top);
}

void TSkinCheckable::DrawCaption(HDC dc, const RECT& rect, RECT textBox, UINT flags) {
  const std::wstring caption = ReadCaption();
  caption_ = caption;
  HFONT font = ControlFont();
  HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
  const COLORREF oldColour = GetTextColor(dc), oldBack = GetBkColor(dc);
  const int oldMode = GetBkMode(dc);
  if (host_) {
    const Colour colour = enabled_ && host_->Font() ? host_->Font()->Color() : kDisabledTextColour;
    SetTextColor(dc, ColorToRGB(colour));
  }
  SetBkColor(dc, ColorToRGB(FaceColour()));
  SetBkMode(dc, TRANSPARENT);

  RECT measured = textBox;
  DrawTextOut(dc, caption, measured, flags | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK);
  const Rect centred = CentreCheckText(ToRect(textBox), ToRect(rect), measured.bottom - measured.top);
  textBox = ToRECT(centred);
  const UINT drawFlags = flags | DT_WORDBREAK | DT_EXPANDTABS;
  if (focused_ && !caption.empty()) {
    RECT text = textBox;
    DrawTextOut(dc, caption, text, drawFlags | DT_CALCRECT | DT_NOCLIP);
    const Rect focus = TextFocusRect(centred, text.right - text.left, text.bottom - text.top,
                                     (drawFlags & DT_CENTER) != 0, (drawFlags & DT_RIGHT) != 0);
    if (!focus.Empty()) {
      const RECT r = ToRECT(focus);
      DrawFocusRect(dc, &r);
    }
  }
  DrawTextOut(dc, caption, textBox, drawFlags);

  SetTextColor(dc, oldColour);
  SetBkColor(dc, oldBack);
  SetBkMode(dc, oldMode);
  if (oldFont) SelectObject(dc, oldFont);
}

} // namespace vcu

#include "skin/controls/SkinGroupBox.h"

#include "core/controls/CheckRules.h"
#include "core/image/Blit.h"
#include "core/image/PixelOps.h"
#include "framework/Controls.h"
#include "framework/TypInfo.h"
#include "skin/data/WinSkinData.h"

namespace vcu {
namespace {

constexpr int kCorner = 5;

RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

} // namespace

const TClassInfo& TSkinGroupBox::ClassInfo() {
  static const TClassInfo info("TSkinGroupBox", &TSkinControl::ClassInfo(), {});
  return info;
}

TSkinGroupBox::TSkinGroupBox(TComponent* owner) : TSkinControl(owner) {}

void TSkinGroupBox::AttachControl(TWinSkinForm* form, TSkinData* skin, bool takeColor) {
  if (Attached()) return;
  TSkinControl::AttachControl(form, skin, takeColor);
  if (host_) mode_ = 1;
}

bool TSkinGroupBox::BeforeMessage(TMessage& message) {
  if (!TSkinControl::BeforeMessage(message)) return false;
  switch (message.Msg) {
  case WM_PAINT:
  case WM_PRINTCLIENT:
    if (mode_ != 1) return true;
    PaintInPlace(message);
    return false;
  case WM_ERASEBKGND:
    // The paint fills the whole box; an erase first would only flash.
    if (mode_ != 1) return true;
    message.Result = 1;
    return false;
  default:
    return true;
  }
}

void TSkinGroupBox::DrawControl(HDC dc, const RECT& rect) {
  std::wstring caption = ReadWindowText();
  if (caption.empty() && host_) caption = ReadCaption();
  caption_ = caption;
  HFONT font = ControlFont();

  if (mode_ != 1) {
    // Over the native drawing: its 3-D edge is framed away in the face colour first.
    const int saved = SaveDC(dc);
    if (font) SelectObject(dc, font);
    SIZE digit{0, 0};
    GetTextExtentPoint32W(dc, L"0", 1, &digit);
    const int top = GroupLineTop(digit.cy);
    SetDCBrushColor(dc, ColorToRGB(FaceColour()));
    HBRUSH face = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    RECT edge{0, top, rect.right, rect.bottom};
    FrameRect(dc, &edge, face);
    InflateRect(&edge, -1, -1);
    FrameRect(dc, &edge, face);
    DrawFrameAndCaption(dc, rect, caption);
    RestoreDC(dc, saved);
    return;
  }

  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  HDC canvas = buffer_.Prepare(width, height);
  if (!canvas) return;
  FillRect(buffer_.Pixels(), Rect{0, 0, width, height}, PixelFromRgb(ColorToRGB(FaceColour())));
  const int saved = SaveDC(canvas);
  if (font) SelectObject(canvas, font);
  if (host_->Font()) SetTextColor(canvas, ColorToRGB(host_->Font()->Color()));
  DrawFrameAndCaption(canvas, RECT{0, 0, width, height}, caption);
  RestoreDC(canvas, saved);
  // The fill went over the box's window-less children (labels): they paint again on top.
  host_->PaintControls(canvas);
  buffer_.CopyTo(dc, rect.left, rect.top);
}

void TSkinGroupBox::DrawFrameAndCaption(HDC dc, const RECT& rect, const std::wstring& caption) {
  SIZE digit{0, 0};
  GetTextExtentPoint32W(dc, L"0", 1, &digit);
  const RECT line = ToRECT(GroupFrameRect(Rect{rect.left, rect.top, rect.right, rect.bottom}, digit.cy));
  const Colour shadow = skin_ ? skin_->ColourButtonShadow : SystemColourValue(COLOR_BTNSHADOW);
  SelectObject(dc, GetStockObject(DC_PEN));
  SetDCPenColor(dc, ColorToRGB(shadow));
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  RoundRect(dc, line.left, line.top, line.right, line.bottom, kCorner, kCorner);

  // Opaque text on the face colour: the caption's cell hides the line behind it.
  SetBkColor(dc, ColorToRGB(FaceColour()));
  SetBkMode(dc, OPAQUE);
  UINT flags = DT_EXPANDTABS;
  const bool right = (GetWindowLongPtrW(handle_, GWL_EXSTYLE) & WS_EX_RIGHT) != 0;
  if (right) flags |= DT_RIGHT | (RightToLeft() ? DT_RTLREADING : 0);
  RECT box = ToRECT(GroupCaptionBox(Rect{rect.left, rect.top, rect.right, rect.bottom}, right));
  DrawTextOut(dc, caption, box, flags);
}

} // namespace vcu

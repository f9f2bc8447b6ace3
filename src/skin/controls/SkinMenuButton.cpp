#include "skin/controls/SkinMenuButton.h"

#include "core/controls/ButtonRules.h"
#include "core/controls/GlyphLayout.h"
#include "skin/data/WinSkinData.h"

namespace vcu {

const TClassInfo& TSkinMenuButton::ClassInfo() {
  static const TClassInfo info("TSkinMenuButton", &TSkinButton::ClassInfo(), {});
  return info;
}

TSkinMenuButton::TSkinMenuButton(TComponent* owner) : TSkinButton(owner) {}

void TSkinMenuButton::DrawControl(HDC dc, const RECT& rect) {
  if (!skin_ || skin_->Buttons.Bitmap.Empty()) return;
  ReadWindowState();
  const int frame = MenuButtonFrame(enabled_, Pressed(), Hot(), focused_);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  HDC canvas = PrepareFace(width, height, frame);
  if (!canvas) return;
  HFONT font = ControlFont();
  HGDIOBJ oldFont = font ? SelectObject(canvas, font) : nullptr;

  caption_ = BreakFirstBars(ReadCaption());
  RECT measured{2, 2, width - 17 - 2, height - 2};
  if (!caption_.empty()) {
    DrawTextOut(canvas, caption_, measured, DT_CALCRECT | DT_WORDBREAK);
    int x = 0, y = 0;
    const int tw = measured.right - measured.left, th = measured.bottom - measured.top;
    MenuButtonTextAt(width, height, tw, th, x, y);
    RECT text{x, y, x + tw, y + th};
    SetTextColor(canvas, TextColourOf(frame));
    SetBkMode(canvas, TRANSPARENT);
    DrawTextOut(canvas, caption_, text, DT_WORDBREAK | (RightToLeft() ? DT_RTLREADING : 0));
    SetBkMode(canvas, OPAQUE);
    if (focused_ && !InSet(skin_->Options(), xoNoFocusRect)) {
      InflateRect(&text, 2, 2);
      DrawFocusRect(canvas, &text);
    }
  }

  // The arrow in the DC's own pen and brush: no GDI object per paint.
  const ArrowPoints arrow = MenuButtonArrow(width, height);
  const POINT points[3] = {{arrow.x[0], arrow.y[0]}, {arrow.x[1], arrow.y[1]}, {arrow.x[2], arrow.y[2]}};
  const COLORREF colour = GetSysColor(enabled_ ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW);
  HGDIOBJ oldPen = SelectObject(canvas, GetStockObject(DC_PEN));
  HGDIOBJ oldBrush = SelectObject(canvas, GetStockObject(DC_BRUSH));
  SetDCPenColor(canvas, colour);
  SetDCBrushColor(canvas, colour);
  Polygon(canvas, points, 3);
  SelectObject(canvas, oldBrush);
  SelectObject(canvas, oldPen);

  if (oldFont) SelectObject(canvas, oldFont);
  buffer_.CopyTo(dc, rect.left, rect.top);
}

} // namespace vcu

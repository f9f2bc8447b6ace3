#include "skin/data/GradientFill.h"

#include "core/image/Gradient.h"
#include "skin/data/WinRect.h"

namespace vcu {

void FillGradientRect(HDC dc, const RECT& rect, Colour start, bool vertical, Colour end) {
  if (!RectVisible(dc, &rect))
    return;
  RECT clip;
  if (GetClipBox(dc, &clip) == ERROR)
    return;
  // The DC brush takes a new colour per band without creating a brush for each.
  HBRUSH brush = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
  const COLORREF oldColour = GetDCBrushColor(dc);
  ForEachGradientBand(ToRect(rect), ToRect(clip), start, vertical, end,
                      [dc, brush](const Rect& band, Rgb colour) {
                        SetDCBrushColor(dc, colour);
                        const RECT r = ToRECT(band);
                        ::FillRect(dc, &r, brush);
                      });
  SetDCBrushColor(dc, oldColour);
}

} // namespace vcu

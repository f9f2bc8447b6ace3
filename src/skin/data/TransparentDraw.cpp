#include "skin/data/TransparentDraw.h"

#include <algorithm>

#include "core/image/Transparency.h"
#include "skin/data/DibBitmap.h"

namespace vcu {
namespace {

// The raster operation that leaves the destination as it is.
constexpr DWORD kKeepDestination = 0x00AA0029;

// Where there is no masked copy: d ^= s; d &= mask; d ^= s. The mask is white (all ones,
// keeping d ^ s, which the second XOR turns back into d) at key pixels and black (clearing d,
// so the second XOR leaves s) elsewhere; a monochrome source takes the destination's
// background colour for 1 bits and its text colour for 0 bits.
void XorMaskCopy(HDC dc, int x, int y, int w, int h, HDC source, HBITMAP mask) {
  HDC maskDc = CreateCompatibleDC(dc);
  HGDIOBJ oldMask = SelectObject(maskDc, mask);
  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  BitBlt(dc, x, y, w, h, source, 0, 0, SRCINVERT);
  BitBlt(dc, x, y, w, h, maskDc, 0, 0, SRCAND);
  BitBlt(dc, x, y, w, h, source, 0, 0, SRCINVERT);
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
  SelectObject(maskDc, oldMask);
  DeleteDC(maskDc);
}

} // namespace

void DrawTransparent(HDC dc, const RECT& rect, const Bitmap& bitmap, Colour key) {
  if (rect.right < rect.left || rect.bottom < rect.top)
    return;
  const int w = std::min<LONG>(rect.right - rect.left, bitmap.Width());
  const int h = std::min<LONG>(rect.bottom - rect.top, bitmap.Height());
  if (w <= 0 || h <= 0)
    return;
  const MonoMask bits = KeyMask(bitmap, w, h, key);
  HBITMAP mask = CreateBitmap(bits.width, bits.height, 1, 1, bits.bits.data());
  if (!mask)
    return;
  {
    BitmapDC source(bitmap);
    // A set mask bit applies the first (foreground) operation: key pixels keep the
    // destination, all others take the source.
    if (!MaskBlt(dc, rect.left, rect.top, w, h, source.Get(), 0, 0, mask, 0, 0,
                 MAKEROP4(kKeepDestination, SRCCOPY)))
      XorMaskCopy(dc, rect.left, rect.top, w, h, source.Get(), mask);
  }
  DeleteObject(mask);
}

} // namespace vcu

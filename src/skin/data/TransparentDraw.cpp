#include "skin/data/TransparentDraw.h"

#include <algorithm>

#include "core/image/Transparency.h"
#include "skin/data/DibBitmap.h"

namespace vcu {
namespace {

// The raster operation that leaves the destination as it is.
constexpr DWORD kKeepDestination = 0x00AA0029;

// A one-bit DIB header whose colour table makes 0 bits black and 1 bits white.
struct MonoInfo {
  BITMAPINFOHEADER header;
  RGBQUAD colours[2];
};

// d ^= s; d &= mask; d ^= s, straight from the pixel rows. The mask is white (all ones,
// keeping d ^ s, which the second XOR turns back into d) at key pixels and black (clearing d,
// so the second XOR leaves s) elsewhere. No GDI object is made, which keeps the many small
// transparent draws of a repaint cheap; the intermediate states stay invisible in a memory
// context.
void XorThroughMask(HDC dc, int x, int y, int w, int h, const Bitmap& bitmap, Colour key) {
  const MonoMask mask = KeyMask(bitmap, w, h, key, 4);
  MonoInfo maskInfo{};
  maskInfo.header = TopDownInfo(w, h).bmiHeader;
  maskInfo.header.biBitCount = 1;
  maskInfo.colours[1] = RGBQUAD{255, 255, 255, 0};
  const BITMAPINFO source = TopDownInfo(bitmap.Width(), bitmap.Height());
  const void* pixels = bitmap.Row(0);
  StretchDIBits(dc, x, y, w, h, 0, 0, w, h, pixels, &source, DIB_RGB_COLORS, SRCINVERT);
  StretchDIBits(dc, x, y, w, h, 0, 0, w, h, mask.bits.data(),
                reinterpret_cast<const BITMAPINFO*>(&maskInfo), DIB_RGB_COLORS, SRCAND);
  StretchDIBits(dc, x, y, w, h, 0, 0, w, h, pixels, &source, DIB_RGB_COLORS, SRCINVERT);
}

// One masked copy: nothing of the intermediate states reaches a window. False when the
// platform has no masked copy.
bool MaskedCopy(HDC dc, int x, int y, int w, int h, const Bitmap& bitmap, Colour key) {
  const MonoMask bits = KeyMask(bitmap, w, h, key, 2);
  HBITMAP mask = CreateBitmap(bits.width, bits.height, 1, 1, bits.bits.data());
  if (!mask)
    return false;
  BOOL done;
  {
    BitmapDC source(bitmap);
    // A set mask bit applies the first (foreground) operation: key pixels keep the
    // destination, all others take the source.
    done = MaskBlt(dc, x, y, w, h, source.Get(), 0, 0, mask, 0, 0,
                   MAKEROP4(kKeepDestination, SRCCOPY));
  }
  DeleteObject(mask);
  return done != FALSE;
}

} // namespace

void DrawTransparent(HDC dc, const RECT& rect, const Bitmap& bitmap, Colour key) {
  if (rect.right < rect.left || rect.bottom < rect.top)
    return;
  const int w = std::min<LONG>(rect.right - rect.left, bitmap.Width());
  const int h = std::min<LONG>(rect.bottom - rect.top, bitmap.Height());
  if (w <= 0 || h <= 0)
    return;
  if (GetObjectType(dc) == OBJ_MEMDC ||
      !MaskedCopy(dc, rect.left, rect.top, w, h, bitmap, key))
    XorThroughMask(dc, rect.left, rect.top, w, h, bitmap, key);
}

} // namespace vcu

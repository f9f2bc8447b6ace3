#include "skin/data/FrameDraw.h"

#include "core/image/Blit.h"
#include "skin/data/DibBitmap.h"
#include "skin/data/TransparentDraw.h"
#include "skin/data/WinRect.h"

namespace vcu {

void DrawPlaced(HDC dc, const PlacedImage& placed, bool transparent) {
  const Bitmap& image = placed.image;
  if (image.Empty())
    return;
  if (transparent) {
    const RECT at{placed.x, placed.y, placed.x + image.Width(), placed.y + image.Height()};
    DrawTransparent(dc, at, image, kKeyColour);
    return;
  }
  DrawPixels(dc, placed.x, placed.y, image);
}

void DrawSlicedFrame(HDC dc, const RECT& rect, const Bitmap& bitmap, const Margins& margins,
                     int index, int count, bool transparent, bool tile, bool vertical) {
  DrawPlaced(dc, SlicedFrameImage(ToRect(rect), bitmap, margins, index, count, tile, vertical),
             transparent);
}

void DrawStretchedFrame(HDC dc, const RECT& rect, const Bitmap& bitmap, int index, int count,
                        bool transparent) {
  DrawPlaced(dc, StretchedFrameImage(ToRect(rect), bitmap, index, count), transparent);
}

void DrawCentredFrame(HDC dc, const RECT& rect, const Bitmap& bitmap, int index, int count,
                      bool transparent) {
  DrawPlaced(dc, CentredFrameImage(ToRect(rect), bitmap, index, count), transparent);
}

void DrawThreePartRow(HDC dc, const RECT& rect, const Bitmap& bitmap, const Margins& margins,
                      int index, int count, bool transparent, bool vertical) {
  DrawPlaced(dc, ThreePartRowImage(ToRect(rect), bitmap, margins, index, count, vertical),
             transparent);
}

void TileRect(HDC dc, const RECT& dest, const Bitmap& bitmap, const RECT& source) {
  const Rect piece = ToRect(source);
  const Rect area = ToRect(dest);
  if (piece.Empty() || area.Empty())
    return;
  // Composed once in pixels and copied in one block: a small piece tiled over a large area
  // would otherwise take one GDI copy per tile. The composition covers whole pieces, so it
  // overhangs dest as the tiles do.
  const int across = (area.Width() + piece.Width() - 1) / piece.Width() * piece.Width();
  const int down = (area.Height() + piece.Height() - 1) / piece.Height() * piece.Height();
  PlacedImage tiled{Bitmap(across, down, PixelFormat::Bits24, &AllocateHeapPixels), area.left,
                    area.top};
  TileRect(tiled.image, Rect{0, 0, area.Width(), area.Height()}, bitmap, piece);
  DrawPlaced(dc, tiled, false);
}

} // namespace vcu

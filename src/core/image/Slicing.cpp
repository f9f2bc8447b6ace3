#include "core/image/Slicing.h"

#include <algorithm>
#include <cstdint>

#include "core/image/Blit.h"
#include "core/image/Colour.h"
#include "core/image/Transparency.h"

namespace vcu {
namespace {

// Copies one slice piece: stretched, or tiled from the destination's top-left corner.
void CopyPiece(Bitmap& result, const Rect& to, const Bitmap& bitmap, const Rect& from,
               bool tile) {
  if (tile)
    TileRect(result, to, bitmap, from);
  else
    StretchCopy(result, to, bitmap, from);
}

// A bitmap for a composition; sides of zero or less give an empty one.
Bitmap Temporary(int width, int height) {
  return Bitmap(width, height, PixelFormat::Bits24, &AllocateHeapPixels);
}

// Slices the frame into result, whose size is the destination's.
void SliceFrame(Bitmap& result, const Bitmap& bitmap, const Margins& margins, int index,
                int count, bool tile, bool vertical) {
  const Rect f = FrameRect(bitmap, index, count, vertical);
  const int W = result.Width(), H = result.Height();
  if (result.Empty())
    return;
  // Negative margins would reach into the neighbouring frames: treat them as none.
  // The sums are taken in 64 bits: margins come straight from the skin's INI. Once the
  // margins fit the result they are no larger than its sides, so the piece edges below stay
  // far inside int.
  int L = std::max(margins.left, 0), T = std::max(margins.top, 0);
  int R = std::max(margins.right, 0), B = std::max(margins.bottom, 0);
  if (W < std::int64_t{L} + R)
    L = R = 0;
  if (H < std::int64_t{T} + B)
    T = B = 0;
  const int x0 = f.left, y0 = f.top, x1 = f.right, y1 = f.bottom;
  auto piece = [&](bool wanted, Rect from, Rect to, bool tiled) {
    if (wanted)
      CopyPiece(result, to, bitmap, from, tiled);
  };
  // The centre comes before the bottom-right corner and the right and bottom edges, which
  // cover whatever a tiled centre drew past its right and bottom bounds.
  piece(L > 0 && T > 0, {x0, y0, x0 + L, y0 + T}, {0, 0, L, T}, false);
  piece(L > 0 && B > 0, {x0, y1 - B, x0 + L, y1}, {0, H - B, L, H}, false);
  piece(R > 0 && T > 0, {x1 - R, y0, x1, y0 + T}, {W - R, 0, W, T}, false);
  piece(L > 0, {x0, y0 + T, x0 + L, y1 - B}, {0, T, L, H - B}, false);
  piece(T > 0, {x0 + L, y0, x1 - R, y0 + T}, {L, 0, W - R, T}, false);
  piece(true, {x0 + L, y0 + T, x1 - R, y1 - B}, {L, T, W - R, H - B}, tile);
  piece(R > 0 && B > 0, {x1 - R, y1 - B, x1, y1}, {W - R, H - B, W, H}, false);
  piece(R > 0, {x1 - R, y0 + T, x1, y1 - B}, {W - R, T, W, H - B}, false);
  piece(B > 0, {x0 + L, y1 - B, x1 - R, y1}, {L, H - B, W - R, H}, false);
}

} // namespace

Rect FrameRect(const Bitmap& bitmap, int index, int count, bool vertical) {
  count = std::max(count, 1);
  index = std::min(std::max(index, 1), count);
  if (vertical) {
    const int fh = bitmap.Height() / count;
    return RectOfSize(0, (index - 1) * fh, bitmap.Width(), fh);
  }
  const int fw = bitmap.Width() / count;
  return RectOfSize((index - 1) * fw, 0, fw, bitmap.Height());
}

Bitmap BuildSlicedBitmap(const Rect& rect, const Bitmap& bitmap, const Margins& margins,
                         int index, int count, bool tile, bool vertical) {
  Bitmap result(rect.Width(), rect.Height());
  SliceFrame(result, bitmap, margins, index, count, tile, vertical);
  return result;
}

PlacedImage SlicedFrameImage(const Rect& rect, const Bitmap& bitmap, const Margins& margins,
                             int index, int count, bool tile, bool vertical) {
  if (rect.Inverted())
    return {};
  PlacedImage placed{Temporary(rect.Width(), rect.Height()), rect.left, rect.top};
  SliceFrame(placed.image, bitmap, margins, index, count, tile, vertical);
  return placed;
}

PlacedImage StretchedFrameImage(const Rect& rect, const Bitmap& bitmap, int index, int count) {
  if (rect.Inverted())
    return {};
  PlacedImage placed{Temporary(rect.Width(), rect.Height()), rect.left, rect.top};
  StretchCopy(placed.image, placed.image.Bounds(), bitmap,
              FrameRect(bitmap, index, count, false));
  return placed;
}

PlacedImage CentredFrameImage(const Rect& rect, const Bitmap& bitmap, int index, int count) {
  if (rect.Inverted())
    return {};
  const Rect f = FrameRect(bitmap, index, count, false);
  PlacedImage placed{Temporary(f.Width(), f.Height()),
                     SaturateToInt(rect.left + (std::int64_t{rect.Width()} - f.Width()) / 2),
                     SaturateToInt(rect.top + (std::int64_t{rect.Height()} - f.Height()) / 2)};
  CopyPixels(placed.image, 0, 0, bitmap, f);
  return placed;
}

PlacedImage ThreePartRowImage(const Rect& rect, const Bitmap& bitmap, const Margins& margins,
                              int index, int count, bool vertical) {
  if (rect.Inverted())
    return {};
  const Rect f = FrameRect(bitmap, index, count, vertical);
  PlacedImage placed{Temporary(rect.Width(), rect.Height()), rect.left, rect.top};
  Bitmap& row = placed.image;
  const int W = row.Width(), H = row.Height();
  const int L = std::max(margins.left, 0), R = std::max(margins.right, 0);
  // The ends are copied column for column (only their height is stretched), so an end wider
  // than the row shows just its first (left end) or last (right end) W columns.
  const int left = std::min(L, W), right = std::min(R, W);
  StretchCopy(row, {0, 0, left, H}, bitmap, {f.left, f.top, f.left + left, f.bottom});
  // A frame no wider than its two ends has no middle to repeat; when there is one, both ends
  // are narrower than the frame.
  const std::int64_t m = std::int64_t{f.Width()} - L - R;
  if (m > 0)
    for (int x = L; x < W - R; x += static_cast<int>(m))
      StretchCopy(row, {x, 0, x + static_cast<int>(m), H}, bitmap,
                  {f.left + L, f.top, f.right - R, f.bottom});
  StretchCopy(row, {W - right, 0, W, H}, bitmap, {f.right - right, f.top, f.right, f.bottom});
  return placed;
}

void DrawPlaced(Bitmap& canvas, const PlacedImage& placed, bool transparent) {
  const Bitmap& image = placed.image;
  if (transparent)
    DrawTransparent(canvas, RectOfSize(placed.x, placed.y, image.Width(), image.Height()),
                    image, kKeyColour);
  else
    CopyPixels(canvas, placed.x, placed.y, image, image.Bounds());
}

} // namespace vcu

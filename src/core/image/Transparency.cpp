#include "core/image/Transparency.h"

#include <algorithm>

#include "core/image/PixelOps.h"

namespace vcu {
namespace {

constexpr Pixel kColourBits = 0xFFFFFF;

Pixel KeyPixel(Colour key) { return PixelFromRgb(ResolveColour(key)); }

} // namespace

void DrawTransparent(Bitmap& target, const Rect& rect, const Bitmap& bitmap, Colour key) {
  if (rect.Inverted())
    return;
  const Pixel keyPixel = KeyPixel(key);
  // The part of the bitmap that is copied, placed at rect and clipped to the target.
  const int w = std::min(rect.Width(), bitmap.Width());
  const int h = std::min(rect.Height(), bitmap.Height());
  const Rect to = Intersect(RectOfSize(rect.left, rect.top, w, h), target.Bounds());
  if (to.Empty())
    return;
  // Inside to, both offsets lie in 0..w-1 and 0..h-1.
  for (int y = to.top; y < to.bottom; ++y) {
    const Pixel* from = bitmap.Row(y - rect.top) + (to.left - rect.left);
    Pixel* row = target.Row(y) + to.left;
    for (int i = 0; i < to.Width(); ++i)
      if ((from[i] & kColourBits) != keyPixel)
        row[i] = from[i];
  }
}

MonoMask KeyMask(const Bitmap& bitmap, int width, int height, Colour key, int rowAlignment) {
  MonoMask mask;
  mask.width = std::max(0, std::min(width, bitmap.Width()));
  mask.height = std::max(0, std::min(height, bitmap.Height()));
  const int bytes = (mask.width + 7) / 8;
  mask.stride = (bytes + rowAlignment - 1) / rowAlignment * rowAlignment;
  mask.bits.assign(static_cast<std::size_t>(mask.stride) * mask.height, 0);
  const Pixel keyPixel = KeyPixel(key);
  for (int y = 0; y < mask.height; ++y) {
    const Pixel* row = bitmap.Row(y);
    std::uint8_t* bits = mask.bits.data() + static_cast<std::size_t>(y) * mask.stride;
    for (int x = 0; x < mask.width; ++x)
      if ((row[x] & kColourBits) == keyPixel)
        bits[x >> 3] |= static_cast<std::uint8_t>(0x80 >> (x & 7));
  }
  return mask;
}

} // namespace vcu

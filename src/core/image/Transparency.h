#pragma once
// Drawing with a transparency key: pixels of the key colour leave the destination as it was.
#include <cstdint>
#include <vector>

#include "core/image/Bitmap.h"
#include "core/image/Colour.h"

namespace vcu {

// Copies the bitmap's pixels, from its top-left corner, unscaled to rect's top-left corner,
// over rect's width and height (no further than the bitmap reaches), skipping pixels equal to
// the key. An inverted rectangle draws nothing.
void DrawTransparent(Bitmap& target, const Rect& rect, const Bitmap& bitmap, Colour key);

// A monochrome mask, one bit a pixel with the leftmost pixel in the high bit, rows top-down
// and padded to a multiple of rowAlignment bytes (2 for a device-dependent bitmap, 4 for a
// DIB). A bit is 1 where the pixel equals the key.
struct MonoMask {
  int width = 0, height = 0;
  int stride = 0; // bytes a row
  std::vector<std::uint8_t> bits;
};
// The mask of the bitmap's top-left width x height pixels (sides limited to the bitmap).
MonoMask KeyMask(const Bitmap& bitmap, int width, int height, Colour key, int rowAlignment);

} // namespace vcu

#include "GdiTesting.h"

namespace vcu::testing {

Bitmap Pattern(int width, int height, unsigned seed) {
  Bitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      b.Set(x, y, MakePixel(x * 7 + seed, y * 5 + seed * 3, (x ^ y) + seed * 11));
  return b;
}

Bitmap FrameStrip(int fw, int fh, int count) {
  Bitmap strip = Pattern(fw * count, fh, 40);
  for (int i = 0; i < count; ++i) {
    const int x0 = i * fw;
    strip.Set(x0, 0, MakePixel(255, 0, 255));          // corners cut away
    strip.Set(x0 + fw - 1, fh - 1, MakePixel(255, 0, 255));
    strip.Set(x0 + fw / 2, fh / 2, MakePixel(255, 0, 255)); // a hole in the centre
  }
  return strip;
}

} // namespace vcu::testing

#include "skin/data/IconBitmap.h"

#include "core/image/Colour.h"
#include "skin/data/DibBitmap.h"

namespace vcu {

Bitmap IconOnMagenta(HICON icon, int width, int height) {
  Bitmap image(width, height, PixelFormat::Bits24);
  image.Fill(MakePixel(255, 0, 255));
  if (!icon || image.Empty()) return image;
  DibHandle(image);
  {
    BitmapDC dc(image);
    DrawIconEx(dc.Get(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
  }
  // GDI may leave alpha in the byte the core keeps at 0.
  for (int y = 0; y < image.Height(); ++y) {
    Pixel* row = image.Row(y);
    for (int x = 0; x < image.Width(); ++x) row[x] &= 0x00FFFFFFu;
  }
  return image;
}

} // namespace vcu

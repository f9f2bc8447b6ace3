// Arbitrary bytes as a skin bitmap. A file that decodes must hold exactly its size in
// pixels, declare that size in its headers, and survive a round trip through the 24-bit writer unchanged.
#include "core/image/Bmp.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The size read from the headers alone, which the skin loader weighs before decoding. A few
  // bytes of RLE can stand for millions of pixels (the bomb seed does); decoding those runs
  // the same code as a small image and would only slow the search down.
  vcu::BmpDimensions declared;
  try {
    declared = vcu::ReadBmpDimensions(data, size);
  } catch (const vcu::EInvalidBitmap&) {
    declared = {};
  }
  if (static_cast<long long>(declared.width) * declared.height > (1 << 20))
    return 0;
  vcu::Bitmap bitmap;
  try {
    bitmap = vcu::DecodeBmp(data, size);
  } catch (const vcu::EInvalidBitmap&) {
    return 0;
  }
  if (bitmap.Empty())
    std::abort(); // a decoded image always has pixels
  // A file that decodes declares the size it decodes to.
  if (declared.width != bitmap.Width() || declared.height != bitmap.Height())
    std::abort();
  const vcu::Bitmap again = vcu::DecodeBmp(vcu::EncodeBmp24(bitmap));
  if (again.Width() != bitmap.Width() || again.Height() != bitmap.Height())
    std::abort();
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (again.At(x, y) != bitmap.At(x, y))
        std::abort();
  return 0;
}

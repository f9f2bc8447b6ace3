#include "core/image/Bmp.h"

namespace vcu {
namespace {

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  out[at] = v & 0xFF;
  out[at + 1] = (v >> 8) & 0xFF;
}
void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  Put16(out, at, v & 0xFFFF);
  Put16(out, at + 2, v >> 16);
}

} // namespace

std::vector<std::uint8_t> EncodeBmp24(const Bitmap& bitmap) {
  if (bitmap.Empty())
    return {};
  constexpr std::size_t kHeaders = 14 + 40;
  const std::size_t stride = (static_cast<std::size_t>(bitmap.Width()) * 3 + 3) & ~std::size_t{3};
  const std::size_t imageSize = stride * static_cast<std::size_t>(bitmap.Height());
  std::vector<std::uint8_t> out(kHeaders + imageSize, 0);
  out[0] = 'B', out[1] = 'M';
  Put32(out, 2, static_cast<std::uint32_t>(out.size()));
  Put32(out, 10, kHeaders);
  Put32(out, 14, 40);
  Put32(out, 18, static_cast<std::uint32_t>(bitmap.Width()));
  Put32(out, 22, static_cast<std::uint32_t>(bitmap.Height()));
  Put16(out, 26, 1);
  Put16(out, 28, 24);
  Put32(out, 34, static_cast<std::uint32_t>(imageSize));
  // Rows are stored bottom-up.
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint8_t* dst = out.data() + kHeaders + stride * (bitmap.Height() - 1 - y);
    const Pixel* row = bitmap.Row(y);
    for (int x = 0; x < bitmap.Width(); ++x, dst += 3) {
      dst[0] = PixelBlue(row[x]);
      dst[1] = PixelGreen(row[x]);
      dst[2] = PixelRed(row[x]);
    }
  }
  return out;
}

} // namespace vcu

#include "BmpReading.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace vcu::test {
namespace {

std::uint32_t Le(const std::vector<std::uint8_t>& b, std::size_t at, int count) {
  std::uint32_t v = 0;
  for (int i = count - 1; i >= 0; --i) v = v << 8 | b[at + i];
  return v;
}

} // namespace

BmpImage ReadBmpImage(const std::vector<std::uint8_t>& file) {
  // File header (14 bytes), then a BITMAPINFOHEADER of at least 40 bytes.
  if (file.size() < 54 || file[0] != 'B' || file[1] != 'M') return {};
  const std::uint32_t offset = Le(file, 10, 4);
  const auto width = static_cast<std::int32_t>(Le(file, 18, 4));
  const auto height = static_cast<std::int32_t>(Le(file, 22, 4));
  if (Le(file, 14, 4) < 40 || Le(file, 28, 2) != 24 || Le(file, 30, 4) != 0) return {};
  if (width <= 0 || height == 0 || width > 1 << 15 || std::abs(height) > 1 << 15) return {};
  const int rows = std::abs(height);
  const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  if (offset > file.size() || (file.size() - offset) / stride < static_cast<std::size_t>(rows)) return {};
  BmpImage image;
  image.width = width;
  image.height = rows;
  image.pixels.resize(static_cast<std::size_t>(width) * rows);
  for (int y = 0; y < rows; ++y) {
    // A positive height stores the bottom row first.
    const std::size_t row = offset + stride * static_cast<std::size_t>(height > 0 ? rows - 1 - y : y);
    for (int x = 0; x < width; ++x) {
      const std::size_t p = row + 3 * static_cast<std::size_t>(x);
      image.pixels[static_cast<std::size_t>(y) * width + x] =
          std::uint32_t{file[p + 2]} << 16 | std::uint32_t{file[p + 1]} << 8 | file[p];
    }
  }
  return image;
}

BmpImage ReadBmpImageFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return ReadBmpImage({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
}

} // namespace vcu::test

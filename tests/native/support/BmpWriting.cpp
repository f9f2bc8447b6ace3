#include "BmpWriting.h"

#include <algorithm>
#include <cstdlib>

namespace vcu::test {

Bytes MakeBmp(const BmpFields& s) {
  Bytes header;
  PutLe(header, s.headerSize, 4);
  if (s.headerSize == 12) {
    PutLe(header, static_cast<std::uint32_t>(s.width), 2);
    PutLe(header, static_cast<std::uint32_t>(s.height), 2);
    PutLe(header, 1, 2);
    PutLe(header, static_cast<std::uint32_t>(s.bits), 2);
  } else {
    PutLe(header, static_cast<std::uint32_t>(s.width), 4);
    PutLe(header, static_cast<std::uint32_t>(s.height), 4);
    PutLe(header, 1, 2);
    PutLe(header, static_cast<std::uint32_t>(s.bits), 2);
    PutLe(header, s.compression, 4);
    PutLe(header, s.pixels.size(), 4);
    PutLe(header, 2835, 4);
    PutLe(header, 2835, 4);
    PutLe(header, s.coloursUsed, 4);
    PutLe(header, 0, 4);
    for (std::uint32_t m : s.masks) PutLe(header, m, 4);
    header.resize(std::max<std::size_t>(header.size(), s.headerSize), 0);
  }
  for (std::uint32_t c : s.palette) PutLe(header, c, s.headerSize == 12 ? 3 : 4);
  Bytes file = {'B', 'M'};
  PutLe(file, 14 + header.size() + s.pixels.size(), 4);
  PutLe(file, 0, 4);
  PutLe(file, 14 + header.size(), 4);
  file.insert(file.end(), header.begin(), header.end());
  file.insert(file.end(), s.pixels.begin(), s.pixels.end());
  return file;
}

Bytes Bmp24(int width, int height, const std::function<std::uint32_t(int x, int y)>& pixel, bool topDown) {
  BmpFields fields;
  fields.width = width;
  fields.height = topDown ? -height : height;
  const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  for (int row = 0; row < height; ++row) {
    const int y = topDown ? row : height - 1 - row;
    for (int x = 0; x < width; ++x) PutLe(fields.pixels, pixel(x, y), 3); // blue, green, red
    fields.pixels.resize(fields.pixels.size() + stride - static_cast<std::size_t>(width) * 3, 0);
  }
  return MakeBmp(fields);
}

Bytes CoordinateBmp(int width, int height, unsigned tag) {
  return Bmp24(width, height, [tag](int x, int y) {
    return (static_cast<std::uint32_t>(x) & 0xFF) << 16 | (static_cast<std::uint32_t>(y) & 0xFF) << 8 | (tag & 0xFF);
  });
}

Bytes WithoutFileHeader(const Bytes& file) { return Bytes(file.begin() + std::min<std::size_t>(14, file.size()), file.end()); }

} // namespace vcu::test

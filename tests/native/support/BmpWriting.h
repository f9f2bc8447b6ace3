#pragma once
// BMP files written byte by byte from the file format, independently of the program's BMP
// writer, so that tests can hand the decoder any header, palette or pixel layout.
#include <cstdint>
#include <functional>
#include <vector>

#include "Bytes.h"

namespace vcu::test {

struct BmpFields {
  int width = 0, height = 0;
  int bits = 24;
  std::uint32_t compression = 0;
  std::uint32_t coloursUsed = 0;
  std::vector<std::uint32_t> palette; // 0x00RRGGBB, written blue, green, red (and 0)
  std::vector<std::uint32_t> masks;   // inside a longer header, else after a 40-byte one
  std::uint32_t headerSize = 40;      // 12: the old core header
  Bytes pixels;                       // rows as stored, padding included
};

Bytes MakeBmp(const BmpFields& fields);

// An uncompressed 24-bit file whose pixel (x, y), counted from the top, is pixel(x, y) as
// 0x00RRGGBB; rows stored bottom-up unless topDown (negative height).
Bytes Bmp24(int width, int height, const std::function<std::uint32_t(int x, int y)>& pixel,
            bool topDown = false);

// A 24-bit file whose pixel (x, y) has red x, green y and blue tag, so a test can tell where
// any pixel came from.
Bytes CoordinateBmp(int width, int height, unsigned tag = 0);

// A bitmap resource: the file without its 14-byte file header.
Bytes WithoutFileHeader(const Bytes& file);

} // namespace vcu::test

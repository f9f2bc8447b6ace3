#pragma once
// A reader of uncompressed 24-bit BMP files (the only kind the skins ship), written from the
// file format alone so that tests can check decoded images against it. Portable: the native
// and the Windows tests both use it.
#include <cstdint>
#include <string>
#include <vector>

namespace vcu::test {

struct BmpImage {
  int width = 0, height = 0;
  // 0x00RRGGBB, rows from the top.
  std::vector<std::uint32_t> pixels;

  bool Empty() const { return width <= 0 || height <= 0; }
  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Empty when the bytes are not a whole uncompressed 24-bit BMP file.
BmpImage ReadBmpImage(const std::vector<std::uint8_t>& file);
BmpImage ReadBmpImageFile(const std::string& path);

} // namespace vcu::test

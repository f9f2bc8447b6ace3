#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "SkinFixture.h"
#include "core/elements/ResourceBitmap.h"

namespace vcu {
namespace {

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A resource is the BMP file without its 14-byte file header.
std::vector<std::uint8_t> Packed(const std::vector<std::uint8_t>& file) {
  return {file.begin() + 14, file.end()};
}

TEST(DecodeResourceBitmap, ProgramTrackImagesDecodeAsTheirFiles) {
  for (const char* name : {"track.bmp", "trackvert.bmp"}) {
    const auto file = ReadFile(std::string(VCU_SOURCE_DIR) + "/src/app/res/" + name);
    ASSERT_GT(file.size(), 14u) << name;
    const Bitmap expected = DecodeBmp(file);
    const auto packed = Packed(file);
    const Bitmap got = DecodeResourceBitmap(packed.data(), packed.size());
    ASSERT_EQ(got.Width(), expected.Width()) << name;
    ASSERT_EQ(got.Height(), expected.Height()) << name;
    for (int y = 0; y < got.Height(); ++y)
      for (int x = 0; x < got.Width(); ++x) ASSERT_EQ(got.At(x, y), expected.At(x, y)) << name;
  }
}

// A BITMAPINFOHEADER: size, width, height, planes, bits, compression, ..., colours used.
std::vector<std::uint8_t> InfoHeader(int width, int height, int bits, int compression, int colours) {
  std::vector<std::uint8_t> h(40, 0);
  auto put = [&](int at, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) h[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  put(0, 40, 4);
  put(4, static_cast<std::uint32_t>(width), 4);
  put(8, static_cast<std::uint32_t>(height), 4);
  put(12, 1, 2);
  put(14, static_cast<std::uint32_t>(bits), 2);
  put(16, static_cast<std::uint32_t>(compression), 4);
  put(32, static_cast<std::uint32_t>(colours), 4);
  return h;
}

TEST(DecodeResourceBitmap, ColourTableAndMasksAreSkipped) {
  // 2 x 1, 8 bits, a colour table of 2 entries (blue, red): the pixels start after it.
  std::vector<std::uint8_t> dib = InfoHeader(2, 1, 8, 0, 2);
  dib.insert(dib.end(), {255, 0, 0, 0, 0, 0, 255, 0}); // blue, red
  dib.insert(dib.end(), {1, 0, 0, 0});                  // red, blue, row padding
  const Bitmap b = DecodeResourceBitmap(dib.data(), dib.size());
  ASSERT_EQ(b.Width(), 2);
  EXPECT_EQ(b.At(0, 0), MakePixel(255, 0, 0));
  EXPECT_EQ(b.At(1, 0), MakePixel(0, 0, 255));

  // 1 x 1, 16 bits with bit-field masks after the header (5-6-5): one white pixel.
  dib = InfoHeader(1, 1, 16, 3, 0);
  dib.insert(dib.end(), {0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0});
  dib.insert(dib.end(), {0xFF, 0xFF, 0, 0});
  const Bitmap white = DecodeResourceBitmap(dib.data(), dib.size());
  EXPECT_EQ(white.At(0, 0), MakePixel(255, 255, 255));
}

TEST(DecodeResourceBitmap, DamagedResourcesAreRefused) {
  const auto packed = Packed(EncodeBmp24(test::CoordinateBitmap(5, 3)));
  std::vector<std::vector<std::uint8_t>> cases = {
      {},
      {40, 0, 0},
      std::vector<std::uint8_t>(packed.begin(), packed.begin() + 30),
      std::vector<std::uint8_t>(packed.begin(), packed.end() - 5),
  };
  auto hugeTable = packed;
  hugeTable[14] = 8;                          // 8 bits a pixel
  hugeTable[32] = hugeTable[33] = hugeTable[34] = hugeTable[35] = 0xFF; // 4 billion colours
  cases.push_back(hugeTable);
  for (const auto& bytes : cases)
    EXPECT_THROW(DecodeResourceBitmap(bytes.data(), bytes.size()), EInvalidBitmap) << bytes.size();
}

} // namespace
} // namespace vcu

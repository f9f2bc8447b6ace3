// The program's bitmap resources are BMP files without their file header: the decoder must
// find the pixels after the information header and whatever table or masks follow it. Each
// resource here is written byte by byte with pixels known in advance.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "BmpReading.h"
#include "BmpWriting.h"
#include "Pictures.h"
#include "core/elements/ResourceBitmap.h"
#include "core/image/Bmp.h"

namespace vcu {
namespace {

using test::BmpFields;
using test::Bytes;

constexpr Pixel kRed = MakePixel(255, 0, 0), kBlue = MakePixel(0, 0, 255), kWhite = MakePixel(255, 255, 255),
                kBlack = 0, kGreen = MakePixel(0, 128, 0);

Bytes Resource(const BmpFields& fields) { return test::WithoutFileHeader(test::MakeBmp(fields)); }

// A table of `entries` colours whose entry i is grey i, with chosen entries replaced.
std::vector<std::uint32_t> Palette(int entries, std::initializer_list<std::pair<int, Pixel>> chosen) {
  std::vector<std::uint32_t> p;
  for (int i = 0; i < entries; ++i) p.push_back(static_cast<std::uint32_t>(i * 0x010101));
  for (const auto& [index, colour] : chosen) p[index] = colour;
  return p;
}

Bitmap Decode(const Bytes& dib) { return DecodeResourceBitmap(dib.data(), dib.size()); }

TEST(DecodeResourceBitmap, FindsThePixelsAfterEveryKindOfHeader) {
  struct Case {
    const char* what;
    BmpFields fields;
    std::vector<std::vector<Pixel>> rows; // from the top
  };
  const Case cases[] = {
      {"24 bits, bottom-up, padded rows",
       {3, 2, 24, 0, 0, {}, {}, 40,
        {0, 0, 255, 0, 128, 0, 255, 255, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 0, 0, 0, 0, 0}},
       {{kBlack, kBlack, kBlue}, {kRed, kGreen, kWhite}}},
      {"24 bits, top-down",
       {2, -2, 24, 0, 0, {}, {}, 40, {0, 0, 255, 255, 0, 0, 0, 0, 255, 255, 255, 0, 0, 0, 0, 0}},
       {{kRed, kBlue}, {kWhite, kBlack}}},
      {"8 bits, two colours used",
       {2, 1, 8, 0, 2, {kBlue, kRed}, {}, 40, {1, 0, 0, 0}},
       {{kRed, kBlue}}},
      {"8 bits, no count: a full table of 256",
       {3, 1, 8, 0, 0, Palette(256, {{200, kGreen}}), {}, 40, {200, 7, 255, 0}},
       {{kGreen, MakePixel(7, 7, 7), MakePixel(255, 255, 255)}}},
      {"4 bits, no count: 16 colours",
       {3, 1, 4, 0, 0, Palette(16, {{1, kRed}, {15, kBlue}}), {}, 40, {0x1F, 0x00, 0, 0}},
       {{kRed, kBlue, kBlack}}},
      {"1 bit, no count: 2 colours, as the menu glyphs are stored",
       {10, 1, 1, 0, 0, {kBlack, kWhite}, {}, 40, {0xA5, 0x40, 0, 0}},
       {{kWhite, kBlack, kWhite, kBlack, kBlack, kWhite, kBlack, kWhite, kBlack, kWhite}}},
      {"16 bits, 5-6-5 masks after the header",
       {2, 1, 16, 3, 0, {}, {0xF800, 0x07E0, 0x001F}, 40, {0xFF, 0xFF, 0x00, 0xF8}},
       {{kWhite, kRed}}},
      {"old core header: 3-byte table entries",
       {2, 1, 8, 0, 0, Palette(256, {{0, kBlue}, {9, kRed}}), {}, 12, {9, 0, 0, 0}},
       {{kRed, kBlue}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Bitmap b = Decode(Resource(c.fields));
    ASSERT_EQ(b.Height(), static_cast<int>(c.rows.size()));
    ASSERT_EQ(b.Width(), static_cast<int>(c.rows[0].size()));
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < b.Width(); ++x) EXPECT_EQ(b.At(x, y), c.rows[y][x]) << x << "," << y;
  }
}

// The program's own track images, checked against the files they are built from, read by the
// tests' own BMP reader.
TEST(DecodeResourceBitmap, ProgramTrackImages) {
  const struct {
    const char* file;
    int width, height;
  } images[] = {{"track.bmp", 16, 4}, {"trackvert.bmp", 4, 16}};
  for (const auto& image : images) {
    SCOPED_TRACE(image.file);
    std::ifstream in(std::string(VCU_SOURCE_DIR) + "/src/app/res/" + image.file, std::ios::binary);
    const Bytes file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const test::BmpImage expected = test::ReadBmpImage(file);
    ASSERT_EQ(expected.width, image.width);
    ASSERT_EQ(expected.height, image.height);
    const Bitmap got = Decode(test::WithoutFileHeader(file));
    ASSERT_EQ(got.Width(), image.width);
    ASSERT_EQ(got.Height(), image.height);
    for (int y = 0; y < got.Height(); ++y)
      for (int x = 0; x < got.Width(); ++x) ASSERT_EQ(got.At(x, y), expected.At(x, y)) << x << "," << y;
  }
}

TEST(DecodeResourceBitmap, DamagedResourcesAreRefused) {
  const Bytes packed = test::WithoutFileHeader(test::CoordinateBmp(5, 3));
  std::vector<Bytes> cases = {
      {},
      {40, 0, 0},
      Bytes(packed.begin(), packed.begin() + 30),
      Bytes(packed.begin(), packed.end() - 5),
  };
  Bytes hugeTable = packed;
  hugeTable[14] = 8;                                                    // 8 bits a pixel
  hugeTable[32] = hugeTable[33] = hugeTable[34] = hugeTable[35] = 0xFF; // 4 billion colours
  cases.push_back(hugeTable);
  for (const Bytes& bytes : cases) EXPECT_THROW(Decode(bytes), EInvalidBitmap) << bytes.size();
}

} // namespace
} // namespace vcu

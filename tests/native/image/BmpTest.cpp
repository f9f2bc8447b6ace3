#include "core/image/Bmp.h"

#include <gtest/gtest.h>

#include <climits>

#include "ImageTesting.h"

namespace vcu {
namespace {

// BMP files written byte by byte, independently of the writer under test.
struct BmpSpec {
  int width = 0, height = 0;
  int bits = 24;
  std::uint32_t compression = 0;
  std::uint32_t coloursUsed = 0;
  std::vector<std::uint32_t> palette; // 0x00RRGGBB, written blue, green, red, 0
  std::vector<std::uint32_t> masks;   // inside a longer header, else after a 40-byte one
  std::uint32_t headerSize = 40;
  std::vector<std::uint8_t> pixels;
};

void Put(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

std::vector<std::uint8_t> MakeBmp(const BmpSpec& s) {
  std::vector<std::uint8_t> header;
  Put(header, s.headerSize, 4);
  if (s.headerSize == 12) {
    Put(header, s.width, 2);
    Put(header, s.height, 2);
    Put(header, 1, 2);
    Put(header, s.bits, 2);
  } else {
    Put(header, static_cast<std::uint32_t>(s.width), 4);
    Put(header, static_cast<std::uint32_t>(s.height), 4);
    Put(header, 1, 2);
    Put(header, s.bits, 2);
    Put(header, s.compression, 4);
    Put(header, static_cast<std::uint32_t>(s.pixels.size()), 4);
    Put(header, 2835, 4);
    Put(header, 2835, 4);
    Put(header, s.coloursUsed, 4);
    Put(header, 0, 4);
    for (std::uint32_t m : s.masks)
      Put(header, m, 4);
    header.resize(std::max<std::size_t>(header.size(), s.headerSize), 0);
  }
  for (std::uint32_t c : s.palette)
    Put(header, c, s.headerSize == 12 ? 3 : 4);
  std::vector<std::uint8_t> file = {'B', 'M'};
  Put(file, static_cast<std::uint32_t>(14 + header.size() + s.pixels.size()), 4);
  Put(file, 0, 4);
  Put(file, static_cast<std::uint32_t>(14 + header.size()), 4);
  file.insert(file.end(), header.begin(), header.end());
  file.insert(file.end(), s.pixels.begin(), s.pixels.end());
  return file;
}

std::vector<std::vector<Pixel>> Rows(const Bitmap& b) {
  std::vector<std::vector<Pixel>> rows;
  for (int y = 0; y < b.Height(); ++y)
    rows.emplace_back(b.Row(y), b.Row(y) + b.Width());
  return rows;
}

constexpr Pixel kRed = MakePixel(255, 0, 0), kGreen = MakePixel(0, 255, 0),
                kBlue = MakePixel(0, 0, 255), kWhite = MakePixel(255, 255, 255), kBlack = 0;

struct DecodeCase {
  const char* name;
  BmpSpec spec;
  PixelFormat format;
  std::vector<std::vector<Pixel>> rows; // top row first
};

const DecodeCase kDecodeCases[] = {
    {"1 bit, rows padded to 4 bytes, bottom-up",
     {10, 2, 1, 0, 0, {0x000000, 0xFFFFFF}, {},
      40, {0xC0, 0x40, 0, 0, /* top row: */ 0x81, 0x80, 0, 0}},
     PixelFormat::Bits1,
     {{kWhite, 0, 0, 0, 0, 0, 0, kWhite, kWhite, 0},
      {kWhite, kWhite, 0, 0, 0, 0, 0, 0, 0, kWhite}}},
    {"4 bit, palette of 3 used; index 5 is beyond it and reads black",
     {3, 1, 4, 0, 3, {0xFF0000, 0x00FF00, 0x0000FF}, {}, 40, {0x21, 0x50, 0, 0}},
     PixelFormat::Bits4,
     {{kBlue, kGreen, kBlack}}},
    {"8 bit top-down",
     {2, -2, 8, 0, 2, {0x112233, 0x445566}, {}, 40, {1, 0, 0, 0, 0, 1, 0, 0}},
     PixelFormat::Bits8,
     {{MakePixel(0x44, 0x55, 0x66), MakePixel(0x11, 0x22, 0x33)},
      {MakePixel(0x11, 0x22, 0x33), MakePixel(0x44, 0x55, 0x66)}}},
    {"16 bit 5-5-5, five bits widened by repeating them",
     {3, 1, 16, 0, 0, {}, {}, 40, {0x00, 0x7C, 0xFF, 0x7F, 0x01, 0x00, 0, 0}},
     PixelFormat::Bits16,
     {{kRed, kWhite, MakePixel(0, 0, 8)}}},
    {"16 bit 5-6-5 bit fields after a 40-byte header",
     {3, 1, 16, 3, 0, {}, {0xF800, 0x07E0, 0x001F}, 40, {0x00, 0xF8, 0xE0, 0x07, 0x10, 0x00, 0, 0}},
     PixelFormat::Bits16,
     {{kRed, kGreen, MakePixel(0, 0, 132)}}},
    {"24 bit, blue green red, bottom-up",
     {1, 2, 24, 0, 0, {}, {}, 40, {0xFF, 0, 0, 0, /* top: */ 1, 2, 3, 0}},
     PixelFormat::Bits24,
     {{MakePixel(3, 2, 1)}, {kBlue}}},
    {"32 bit, the fourth byte ignored",
     {2, 1, 32, 0, 0, {}, {}, 40, {1, 2, 3, 0xFF, 0, 0, 0xFF, 0x80}},
     PixelFormat::Bits32,
     {{MakePixel(3, 2, 1), kRed}}},
    {"32 bit fields in a V5 header",
     {1, 1, 32, 3, 0, {}, {0xFF000000, 0x00FF0000, 0x0000FF00}, 124, {0x00, 0x30, 0x20, 0x10}},
     PixelFormat::Bits32,
     {{MakePixel(0x10, 0x20, 0x30)}}},
    {"24 bit in a V4 header",
     {1, 1, 24, 0, 0, {}, {}, 108, {9, 8, 7, 0}},
     PixelFormat::Bits24,
     {{MakePixel(7, 8, 9)}}},
    {"OS/2 core header, three-byte palette entries",
     {2, 1, 1, 0, 0, {0x0000FF, 0xFF0000}, {}, 12, {0x40, 0, 0, 0}},
     PixelFormat::Bits1,
     {{kBlue, kRed}}},
    {"RLE8: run, absolute run with padding, delta, end of line, end of image",
     {5, 3, 8, 1, 4, {0x000000, 0xFF0000, 0x00FF00, 0x0000FF}, {}, 40,
      {2, 1,          // bottom row: two of index 1
       0, 3, 2, 3, 2, 0, // absolute: 2 3 2, padded to even
       0, 0,          // end of line
       0, 2, 1, 1,    // delta: right 1, up 1 (to the top row, column 1)
       3, 3, 9, 2,    // three of index 3; four of index 2, three of them past the row
       0, 1}},        // end of image; the middle row was never written
     PixelFormat::Bits8,
     {{kBlack, kBlue, kBlue, kBlue, kGreen},
      {kBlack, kBlack, kBlack, kBlack, kBlack},
      {kRed, kRed, kGreen, kBlue, kGreen}}},
    {"RLE4: runs alternate their two nibbles; odd absolute run",
     {6, 1, 4, 2, 3, {0x000000, 0xFF0000, 0x00FF00}, {}, 40,
      {3, 0x12,       // 1 2 1
       0, 3, 0x21, 0x20, // absolute 2 1 2
       0, 1}},
     PixelFormat::Bits4,
     {{kRed, kGreen, kRed, kGreen, kRed, kGreen}}},
};

TEST(DecodeBmp, EveryFormatGivesItsPixels) {
  for (const DecodeCase& c : kDecodeCases) {
    const std::vector<std::uint8_t> file = MakeBmp(c.spec);
    const Bitmap b = DecodeBmp(file);
    EXPECT_EQ(b.Format(), c.format) << c.name;
    EXPECT_EQ(Rows(b), c.rows) << c.name;
    // The size read from the headers alone is the decoded one.
    const BmpDimensions size = ReadBmpDimensions(file);
    EXPECT_EQ(size.width, b.Width()) << c.name;
    EXPECT_EQ(size.height, b.Height()) << c.name;
  }
}

TEST(DecodeBmp, PixelOffsetZeroMeansRightAfterThePalette) {
  std::vector<std::uint8_t> file = MakeBmp(kDecodeCases[5].spec);
  file[10] = 0;
  file[11] = 0;
  EXPECT_EQ(Rows(DecodeBmp(file)), kDecodeCases[5].rows);
}

// A valid 2 x 2 24-bit file; each malformed case changes one thing.
std::vector<std::uint8_t> Valid() {
  return MakeBmp({2, 2, 24, 0, 0, {}, {}, 40, std::vector<std::uint8_t>(16, 0x55)});
}

std::vector<std::uint8_t> With(std::vector<std::uint8_t> file, std::size_t at, std::uint32_t v,
                               int bytes = 4) {
  for (int i = 0; i < bytes; ++i)
    file.at(at + i) = static_cast<std::uint8_t>(v >> (8 * i));
  return file;
}

std::vector<std::uint8_t> Cut(std::vector<std::uint8_t> file, std::size_t size) {
  file.resize(size);
  return file;
}

TEST(DecodeBmp, MalformedFilesAreRefusedWithTheirReason) {
  struct Case {
    const char* name;
    std::vector<std::uint8_t> file;
    BmpFault fault;
  };
  const std::vector<std::uint8_t> valid = Valid();
  const std::vector<std::uint8_t> rle = MakeBmp(kDecodeCases[10].spec);
  const std::vector<std::uint8_t> fields = MakeBmp(kDecodeCases[4].spec);
  const Case cases[] = {
      {"empty", {}, BmpFault::Truncated},
      {"file header only", Cut(valid, 14), BmpFault::Truncated},
      {"info header cut", Cut(valid, 30), BmpFault::Truncated},
      {"signature", With(valid, 0, 'B' | 'X' << 8, 2), BmpFault::BadSignature},
      {"header size 20", With(valid, 14, 20), BmpFault::UnsupportedHeader},
      {"header size huge", With(valid, 14, 0xFFFFFFF0), BmpFault::UnsupportedHeader},
      {"zero width", With(valid, 18, 0), BmpFault::BadSize},
      {"negative width", With(valid, 18, 0xFFFFFFFE), BmpFault::BadSize},
      {"zero height", With(valid, 22, 0), BmpFault::BadSize},
      {"most negative height", With(valid, 22, 0x80000000), BmpFault::BadSize},
      {"too wide", With(valid, 18, 40000), BmpFault::BadSize},
      {"too many pixels", With(With(valid, 18, 8000), 22, 8000), BmpFault::BadSize},
      {"two planes", With(valid, 26, 2, 2), BmpFault::BadPlanes},
      {"2 bits", With(valid, 28, 2, 2), BmpFault::UnsupportedFormat},
      {"JPEG inside", With(valid, 30, 4), BmpFault::UnsupportedFormat},
      {"RLE8 at 24 bits", With(valid, 30, 1), BmpFault::UnsupportedFormat},
      {"offset into the header", With(valid, 10, 20), BmpFault::BadPixelOffset},
      {"offset past the end", With(valid, 10, 1000), BmpFault::Truncated},
      {"pixel data one byte short", Cut(valid, valid.size() - 1), BmpFault::Truncated},
      {"taller than its data", With(valid, 22, 3), BmpFault::Truncated},
      {"RLE stored top-down", With(rle, 22, 0xFFFFFFFD), BmpFault::TopDownCompressed},
      {"RLE stream ends early", Cut(rle, rle.size() - 10), BmpFault::Truncated},
      {"RLE absolute run cut", Cut(rle, rle.size() - 13), BmpFault::Truncated},
      {"overlapping masks", With(fields, 58, 0xFC00), BmpFault::BadMasks},
      {"mask with a gap", With(fields, 62, 0x0015), BmpFault::BadMasks},
      {"16-bit mask above 16 bits", With(fields, 54, 0x1F0000), BmpFault::BadMasks},
      {"palette cut", Cut(MakeBmp(kDecodeCases[0].spec), 60), BmpFault::Truncated},
  };
  for (const Case& c : cases) {
    try {
      DecodeBmp(c.file);
      ADD_FAILURE() << c.name << ": accepted";
    } catch (const EInvalidBitmap& e) {
      EXPECT_EQ(e.Fault(), c.fault) << c.name << ": " << e.Message();
      EXPECT_LE(e.Offset(), c.file.size()) << c.name;
    }
    // The size reader refuses what the headers get wrong, for the same reason, and leaves
    // faults after the size (format, masks, pixel data) to the decoder.
    const bool inHeaderOrSize = c.fault == BmpFault::BadSignature ||
                                c.fault == BmpFault::UnsupportedHeader ||
                                c.fault == BmpFault::BadSize || c.file.size() < 54;
    try {
      ReadBmpDimensions(c.file);
      EXPECT_FALSE(inHeaderOrSize) << c.name << ": size reader accepted";
    } catch (const EInvalidBitmap& e) {
      EXPECT_EQ(e.Fault(), c.fault) << c.name << ": " << e.Message();
    }
  }
}

TEST(DecodeBmp, AnEntrysFaultNamesTheEntryOnOneLine) {
  try {
    DecodeBmp(Cut(Valid(), 30));
    ADD_FAILURE() << "accepted";
  } catch (const EInvalidBitmap& fault) {
    const EInvalidBitmap named(fault, "bad\nname.bmp");
    EXPECT_EQ(named.Fault(), BmpFault::Truncated);
    EXPECT_EQ(named.Offset(), fault.Offset());
    EXPECT_EQ(named.Entry(), "bad\nname.bmp");
    EXPECT_EQ(named.Message(),
              "Bitmap image \"bad\\nname.bmp\" is not valid: the file ends early (offset " +
                  std::to_string(fault.Offset()) + ")");
  }
}

TEST(DecodeBmp, RleThatWandersOffTheImageIsClippedNotRefused) {
  BmpSpec spec{3, 2, 8, 1, 2, {0x000000, 0xFF0000}, {}, 40,
               {255, 1,       // a run far past the row
                0, 2, 200, 0, // a delta far past the row
                0, 0, 0, 2, 0, 200}}; // then past the top: done without an end marker
  const Bitmap b = DecodeBmp(MakeBmp(spec));
  EXPECT_EQ(Rows(b), (std::vector<std::vector<Pixel>>{{0, 0, 0}, {kRed, kRed, kRed}}));
}

TEST(EncodeBmp24, WritesABottomUpFileThatDecodesToTheSamePixels) {
  const Bitmap original = testing::Coordinates(5, 3);
  const std::vector<std::uint8_t> file = EncodeBmp24(original);
  // 5 pixels of 3 bytes pad to 16 a row.
  ASSERT_EQ(file.size(), 14u + 40u + 16u * 3u);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[10], 54);
  EXPECT_EQ(file[28], 24);
  // The first stored row is the bottom one: (0, 2) is red 0, green 2, blue 7.
  EXPECT_EQ(file[54], 7);
  EXPECT_EQ(file[55], 2);
  const Bitmap decoded = DecodeBmp(file);
  EXPECT_TRUE(testing::SamePixels(decoded, original));
  EXPECT_TRUE(EncodeBmp24(Bitmap()).empty());
}

} // namespace
} // namespace vcu

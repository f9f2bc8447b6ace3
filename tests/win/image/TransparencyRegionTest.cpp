// Transparent drawing and window regions on the platform itself.
#include <gtest/gtest.h>

#include "GdiTesting.h"
#include "support/Pixels.h"
#include "skin/data/imgutil.h"

namespace vcu {
namespace {

using testing::Pattern;

constexpr Pixel kMagenta = MakePixel(255, 0, 255);

class PlatformImageTest : public ::testing::Test {
protected:
  void SetUp() override { UseDibSectionPixels(); }
  void TearDown() override { SetPixelAllocator(nullptr); }
};

// Magenta in a ring and a scatter of single pixels.
Bitmap KeyedImage(int width, int height) {
  Bitmap b = Pattern(width, height, 5);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (x == 0 || y == height - 1 || (x * 3 + y * 7) % 11 == 0)
        b.Set(x, y, kMagenta);
  return b;
}

TEST_F(PlatformImageTest, DrawTransparentLeavesTheDestinationUnderMagenta) {
  const Bitmap image = KeyedImage(37, 23);
  const Bitmap background = Pattern(60, 40, 8);
  Bitmap drawn = background;
  {
    BitmapDC dc(drawn);
    // Larger than the image: only its 37 x 23 pixels are drawn, at (6, 5).
    DrawTransparent(dc.Get(), RECT{6, 5, 59, 39}, image, kKeyColour);
  }
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x) {
      const bool inside = x >= 6 && x < 6 + 37 && y >= 5 && y < 5 + 23;
      const bool opaque = inside && image.At(x - 6, y - 5) != kMagenta;
      const Pixel expected = opaque ? image.At(x - 6, y - 5) : background.At(x, y);
      ASSERT_EQ(drawn.At(x, y) & 0xFFFFFF, expected) << x << "," << y;
    }
}

TEST_F(PlatformImageTest, InvertedRectangleDrawsNothing) {
  const Bitmap background = Pattern(20, 20, 1);
  Bitmap drawn = background;
  {
    BitmapDC dc(drawn);
    DrawTransparent(dc.Get(), RECT{10, 10, 5, 15}, Pattern(8, 8, 2), kKeyColour);
    DrawSlicedFrame(dc.Get(), RECT{2, 12, 12, 2}, Pattern(8, 8, 2), Margins{1, 1, 1, 1}, 1, 1,
                    false, false, false);
  }
  EXPECT_EQ(test::FirstDifference(drawn, background), "");
}

// Whether PtInRegion agrees, pixel by pixel, that exactly the non-key pixels are in the region
// (key: red and blue 255, green 0 or 1), and that nothing around the bitmap is.
void ExpectRegionMatches(const Bitmap& image, HRGN region, int dx, int dy) {
  for (int y = -1; y <= image.Height(); ++y)
    for (int x = -1; x <= image.Width(); ++x) {
      bool opaque = false;
      if (x >= 0 && y >= 0 && x < image.Width() && y < image.Height()) {
        const Pixel p = image.At(x, y);
        opaque = !(PixelRed(p) == 255 && PixelBlue(p) == 255 && PixelGreen(p) <= 1);
      }
      ASSERT_EQ(PtInRegion(region, x + dx, y + dy) != FALSE, opaque) << x << "," << y;
    }
}

TEST_F(PlatformImageTest, RegionHoldsExactlyTheOpaquePixels) {
  Bitmap image = KeyedImage(53, 31);
  image.Set(10, 10, MakePixel(255, 1, 255)); // within the tolerance: left out
  image.Set(11, 10, MakePixel(255, 2, 255)); // beyond it: kept
  image.Set(12, 10, MakePixel(254, 0, 255));
  HRGN region = RegionFromBitmap(image, 10, 20, kKeyColour, 1, 1, 1);
  ASSERT_NE(region, nullptr);
  EXPECT_EQ(image.Format(), PixelFormat::Bits32);
  ExpectRegionMatches(image, region, 10, 20);
  DeleteObject(region);
}

TEST_F(PlatformImageTest, RegionOfManyRunsIsBuiltInBatches) {
  // A checkerboard of 100 x 90 has 4,500 runs: three batches, the last one partial.
  Bitmap image(100, 90);
  for (int y = 0; y < 90; ++y)
    for (int x = 0; x < 100; ++x)
      image.Set(x, y, (x + y) % 2 ? kMagenta : MakePixel(x, y, 0));
  HRGN region = RegionFromBitmap(image, -3, 4, kKeyColour, 1, 1, 1);
  ASSERT_NE(region, nullptr);
  ExpectRegionMatches(image, region, -3, 4);
  DeleteObject(region);
}

TEST_F(PlatformImageTest, FourByTwoExample) {
  Bitmap image(4, 2);
  image.Fill(MakePixel(1, 2, 3));
  image.Set(0, 0, kMagenta);
  image.Set(3, 0, kMagenta);
  HRGN region = RegionFromBitmap(image, 10, 20, kKeyColour, 1, 1, 1);
  HRGN expected = CreateRectRgn(11, 20, 13, 21);
  HRGN second = CreateRectRgn(10, 21, 14, 22);
  CombineRgn(expected, expected, second, RGN_OR);
  EXPECT_TRUE(EqualRgn(region, expected));
  DeleteObject(second);
  DeleteObject(expected);
  DeleteObject(region);
}

TEST_F(PlatformImageTest, RampFillDrawsOnlyInsideTheClipBoxWithTheWholeRampsColours) {
  const Bitmap background = Pattern(30, 40, 4);
  Bitmap drawn = background;
  {
    BitmapDC dc(drawn);
    IntersectClipRect(dc.Get(), 0, 15, 30, 25);
    FillGradientRect(dc.Get(), RECT{2, 5, 28, 35}, 0x000000, true, 0x00F000);
  }
  // The whole rectangle's ramp of 30 lines from black to green 0xF0: line i has green
  // (i * 240 + 14) div 29, so line 10, the first visible one, is 83, not 0.
  for (int y = 0; y < 40; ++y) {
    const bool painted = y >= 15 && y < 25;
    const Pixel expected = painted ? MakePixel(0, ((y - 5) * 240 + 14) / 29, 0) : background.At(10, y);
    EXPECT_EQ(drawn.At(10, y) & 0xFFFFFF, expected) << y;
  }
  EXPECT_EQ(drawn.At(1, 20) & 0xFFFFFF, background.At(1, 20)); // left of the rectangle
}

} // namespace
} // namespace vcu

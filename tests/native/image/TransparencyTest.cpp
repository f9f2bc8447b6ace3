#include "core/image/Transparency.h"

#include <gtest/gtest.h>

#include "ImageTesting.h"
#include "core/image/RegionRuns.h"

namespace vcu {
namespace {

using testing::Legend;
using testing::Letters;
using testing::Picture;

const Legend kLegend = {{'M', MakePixel(255, 0, 255)}, {'m', MakePixel(255, 1, 255)},
                        {'n', MakePixel(255, 2, 255)}, {'o', MakePixel(254, 0, 255)},
                        {'a', MakePixel(1, 2, 3)},     {'b', MakePixel(4, 5, 6)},
                        {'.', MakePixel(9, 9, 9)}};

TEST(DrawTransparent, KeyPixelsLeaveTheDestination) {
  const Bitmap image = Picture({"aMb",
                                "Mma"}, kLegend);
  Bitmap canvas = Picture({".....",
                           ".....",
                           "....."}, kLegend);
  // The rectangle is larger than the image: only the image's pixels are copied.
  DrawTransparent(canvas, Rect{1, 1, 9, 9}, image, kKeyColour);
  EXPECT_EQ(Letters(canvas, kLegend), (std::vector<std::string>{".....",
                                                                 ".a.b.",
                                                                 "..ma."}));
  // Smaller than the image: only the rectangle; inverted: nothing; off the canvas: clipped.
  DrawTransparent(canvas, Rect{0, 0, 1, 1}, image, kKeyColour);
  DrawTransparent(canvas, Rect{3, 0, 2, 1}, image, kKeyColour);
  DrawTransparent(canvas, Rect{2, -1, 5, 1}, image, kKeyColour);
  EXPECT_EQ(Letters(canvas, kLegend), (std::vector<std::string>{"a..ma",
                                                                 ".a.b.",
                                                                 "..ma."}));
}

TEST(KeyMask, SetsABitPerKeyPixelInAlignedRows) {
  Bitmap image(17, 2);
  image.Fill(MakePixel(1, 1, 1));
  image.Set(0, 0, MakePixel(255, 0, 255));
  image.Set(9, 0, MakePixel(255, 0, 255));
  image.Set(16, 1, MakePixel(255, 0, 255));
  image.Set(3, 1, MakePixel(255, 0, 254)); // not the key
  const MonoMask mask = KeyMask(image, 40, 2, kKeyColour, 2); // limited to 17 wide
  EXPECT_EQ(mask.width, 17);
  EXPECT_EQ(mask.stride, 4);
  EXPECT_EQ(mask.bits, (std::vector<std::uint8_t>{0x80, 0x40, 0, 0, 0, 0, 0x80, 0}));
  // Rows of 10 pixels take 2 bytes: padded to 2 for bitmaps, to 4 for DIBs.
  EXPECT_EQ(KeyMask(image, 10, 2, kKeyColour, 2).bits,
            (std::vector<std::uint8_t>{0x80, 0x40, 0, 0}));
  EXPECT_EQ(KeyMask(image, 10, 2, kKeyColour, 4).bits,
            (std::vector<std::uint8_t>{0x80, 0x40, 0, 0, 0, 0, 0, 0}));
}

TEST(RegionRuns, FourByTwoExampleWithOffsets) {
  const Bitmap image = Picture({"MaaM",
                                "aaaa"}, kLegend);
  std::vector<Rect> runs;
  CollectOpaqueRuns(image, 10, 20, MakeKeyRange(kKeyColour, 1, 1, 1), runs);
  EXPECT_EQ(runs, (std::vector<Rect>{{11, 20, 13, 21}, {10, 21, 14, 22}}));
}

TEST(RegionRuns, TolerancesWidenTheKeyUpward) {
  // With tolerance 1, green 1 is key too; green 2 and red 254 are not.
  const Bitmap image = Picture({"aMmnMoaM"}, kLegend);
  std::vector<Rect> runs;
  CollectOpaqueRuns(image, 0, 0, MakeKeyRange(kKeyColour, 1, 1, 1), runs);
  EXPECT_EQ(runs, (std::vector<Rect>{{0, 0, 1, 1}, {3, 0, 4, 1}, {5, 0, 7, 1}}));
  runs.clear();
  CollectOpaqueRuns(image, 0, 0, MakeKeyRange(kKeyColour, 0, 0, 0), runs);
  EXPECT_EQ(runs, (std::vector<Rect>{{0, 0, 1, 1}, {2, 0, 4, 1}, {5, 0, 7, 1}}));
  // Ranges stop at 255.
  const KeyRange range = MakeKeyRange(kKeyColour, 9, 9, 9);
  EXPECT_EQ(range.redHigh, 255u);
  EXPECT_EQ(range.greenHigh, 9u);
}

TEST(RegionRuns, AllKeyAndEmptyBitmapsGiveNoRuns) {
  std::vector<Rect> runs;
  CollectOpaqueRuns(Picture({"MM", "mM"}, kLegend), 0, 0, MakeKeyRange(kKeyColour, 1, 1, 1),
                    runs);
  CollectOpaqueRuns(Bitmap(), 0, 0, MakeKeyRange(kKeyColour, 1, 1, 1), runs);
  EXPECT_TRUE(runs.empty());
}

} // namespace
} // namespace vcu

#include "core/image/PixelOps.h"

#include <gtest/gtest.h>

#include "ImageTesting.h"

namespace vcu {
namespace {

using testing::Coordinates;
using testing::Legend;
using testing::Letters;
using testing::Picture;
using testing::SamePixels;

const Legend kLegend = {{'a', MakePixel(1, 0, 0)}, {'b', MakePixel(2, 0, 0)},
                        {'c', MakePixel(3, 0, 0)}, {'d', MakePixel(4, 0, 0)},
                        {'e', MakePixel(5, 0, 0)}, {'f', MakePixel(6, 0, 0)}};

TEST(PixelOps, GreyIsTheTruncatedChannelAverage) {
  Bitmap b(3, 1, PixelFormat::Bits8);
  b.Set(0, 0, MakePixel(255, 0, 0));   // 85
  b.Set(1, 0, MakePixel(10, 20, 31));  // 61 div 3 = 20
  b.Set(2, 0, MakePixel(255, 255, 254));
  MakeGrayscale(b);
  EXPECT_EQ(b.Format(), PixelFormat::Bits24);
  EXPECT_EQ(b.At(0, 0), MakePixel(85, 85, 85));
  EXPECT_EQ(b.At(1, 0), MakePixel(20, 20, 20));
  EXPECT_EQ(b.At(2, 0), MakePixel(254, 254, 254));
}

TEST(PixelOps, OnlyPureMagentaTakesTheReplacementColour) {
  Bitmap b(4, 1, PixelFormat::Bits32);
  b.Set(0, 0, MakePixel(255, 0, 255));
  b.Set(1, 0, MakePixel(255, 1, 255));
  b.Set(2, 0, MakePixel(254, 0, 255));
  b.Set(3, 0, MakePixel(255, 0, 255));
  ReplaceKeyColour(b, 0x336699); // red 0x99, green 0x66, blue 0x33
  EXPECT_EQ(b.Format(), PixelFormat::Bits24);
  EXPECT_EQ(b.At(0, 0), MakePixel(0x99, 0x66, 0x33));
  EXPECT_EQ(b.At(1, 0), MakePixel(255, 1, 255));
  EXPECT_EQ(b.At(2, 0), MakePixel(254, 0, 255));
  EXPECT_EQ(b.At(3, 0), MakePixel(0x99, 0x66, 0x33));
  ReplaceKeyColour(b = Picture({"a"}, kLegend), static_cast<Colour>(0xFF00000F));
  EXPECT_EQ(b.At(0, 0), MakePixel(1, 0, 0)); // not magenta: kept
}

TEST(PixelOps, MirrorFlipAndQuarterTurns) {
  const Bitmap start = Picture({"abc",
                                "def"}, kLegend);
  struct Case {
    const char* name;
    void (*op)(Bitmap&);
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"mirror", MirrorBitmap, {"cba", "fed"}},
      {"flip", FlipBitmap, {"def", "abc"}},
      // Left: the top edge becomes the left edge, the top-left corner the bottom-left one.
      {"left", RotateBitmapLeft, {"cf", "be", "ad"}},
      // Right: the top edge becomes the right edge, the top-left corner the top-right one.
      {"right", RotateBitmapRight, {"da", "eb", "fc"}},
  };
  for (const Case& c : cases) {
    Bitmap b = start;
    c.op(b);
    EXPECT_EQ(Letters(b, kLegend), c.expected) << c.name;
  }
}

TEST(PixelOps, OperationsUndoThemselvesOrEachOther) {
  const Bitmap start = Coordinates(5, 3);
  Bitmap b = start;
  RotateBitmapLeft(b);
  RotateBitmapRight(b);
  EXPECT_TRUE(SamePixels(b, start));
  MirrorBitmap(b);
  EXPECT_FALSE(SamePixels(b, start));
  MirrorBitmap(b);
  EXPECT_TRUE(SamePixels(b, start));
  FlipBitmap(b);
  FlipBitmap(b);
  EXPECT_TRUE(SamePixels(b, start));
  for (int i = 0; i < 4; ++i)
    RotateBitmapRight(b);
  EXPECT_TRUE(SamePixels(b, start));
}

TEST(PixelOps, RotateLeftIntoFillsAReadyTargetOrLeavesAWrongSizedOneAlone) {
  const Bitmap start = Coordinates(5, 3);
  Bitmap turned = start;
  RotateBitmapLeft(turned);
  Bitmap target(3, 5, PixelFormat::Bits32, &AllocateHeapPixels);
  RotateLeftInto(target, start);
  EXPECT_TRUE(SamePixels(target, turned));
  Bitmap wrong(5, 3, PixelFormat::Bits32, &AllocateHeapPixels);
  wrong.Fill(7);
  RotateLeftInto(wrong, start);
  EXPECT_EQ(wrong.At(0, 0), Pixel{7});
  EXPECT_EQ(wrong.At(4, 2), Pixel{7});
}

TEST(PixelOps, EmptyBitmapsStayEmpty) {
  for (void (*op)(Bitmap&) : {MirrorBitmap, FlipBitmap, RotateBitmapLeft, RotateBitmapRight,
                              MakeGrayscale}) {
    Bitmap b;
    op(b);
    EXPECT_TRUE(b.Empty());
  }
}

TEST(Bitmap, CopiesAreDeepAndSizesAreBounded) {
  Bitmap a = Coordinates(2, 2);
  Bitmap copy = a;
  copy.Set(0, 0, 0);
  EXPECT_EQ(a.At(0, 0), MakePixel(0, 0, 7));
  EXPECT_TRUE(Bitmap(0, 5).Empty());
  EXPECT_TRUE(Bitmap(-3, 5).Empty());
  EXPECT_THROW(Bitmap(kMaxBitmapSide + 1, 1), EBitmapTooLarge);
  EXPECT_THROW(Bitmap(kMaxBitmapSide, kMaxBitmapSide), EBitmapTooLarge);
}

} // namespace
} // namespace vcu

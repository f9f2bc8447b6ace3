#include "core/image/Slicing.h"

#include <gtest/gtest.h>

#include <climits>

#include "ImageTesting.h"
#include "core/image/Blit.h"

namespace vcu {
namespace {

using testing::Coordinates;
using testing::Legend;
using testing::Letters;
using testing::Picture;

const Legend kRegions = {
    {'A', MakePixel(10, 0, 0)}, {'B', MakePixel(20, 0, 0)}, {'C', MakePixel(30, 0, 0)},
    {'D', MakePixel(40, 0, 0)}, {'t', MakePixel(50, 0, 0)}, {'b', MakePixel(60, 0, 0)},
    {'l', MakePixel(70, 0, 0)}, {'r', MakePixel(80, 0, 0)}, {'c', MakePixel(90, 0, 0)},
    {'.', MakePixel(0, 0, 0)},  {'M', MakePixel(255, 0, 255)}, {'x', MakePixel(1, 1, 1)},
    {'y', MakePixel(2, 2, 2)},  {'L', MakePixel(3, 3, 3)},    {'R', MakePixel(4, 4, 4)},
};

Bitmap Frame(const Bitmap& strip, int index, int count, bool vertical) {
  const Rect f = FrameRect(strip, index, count, vertical);
  Bitmap frame(f.Width(), f.Height());
  CopyPixels(frame, 0, 0, strip, f);
  return frame;
}

TEST(Slicing, FramesAreEqualSlicesOfTheStrip) {
  const Bitmap strip = Coordinates(12, 9);
  EXPECT_EQ(FrameRect(strip, 2, 3, false), (Rect{4, 0, 8, 9}));
  EXPECT_EQ(FrameRect(strip, 3, 3, true), (Rect{0, 6, 12, 9}));
  EXPECT_EQ(FrameRect(strip, 1, 5, false), (Rect{0, 0, 2, 9})); // 12 div 5
  // Out of range: brought to the nearest frame rather than read past the strip.
  EXPECT_EQ(FrameRect(strip, 4, 3, false), (Rect{8, 0, 12, 9}));
  EXPECT_EQ(FrameRect(strip, 0, 3, false), (Rect{0, 0, 4, 9}));
  EXPECT_EQ(FrameRect(strip, 1, 0, false), strip.Bounds());
}

TEST(Slicing, AtTheFramesOwnSizeTheFrameComesBackPixelForPixel) {
  const Bitmap strip = Coordinates(18, 5);
  for (bool tile : {false, true}) {
    const Bitmap sliced =
        BuildSlicedBitmap(Rect{40, 50, 46, 55}, strip, Margins{2, 1, 2, 1}, 2, 3, tile, false);
    EXPECT_TRUE(testing::SamePixels(sliced, Frame(strip, 2, 3, false))) << tile;
  }
  const Bitmap tall = Coordinates(6, 15);
  const Bitmap sliced =
      BuildSlicedBitmap(Rect{0, 0, 6, 5}, tall, Margins{1, 2, 1, 2}, 3, 3, false, true);
  EXPECT_TRUE(testing::SamePixels(sliced, Frame(tall, 3, 3, true)));
}

TEST(Slicing, NinePiecesGoToTheirPlaces) {
  const Bitmap frame = Picture({"AtB",
                                "lcr",
                                "CbD"}, kRegions);
  const Margins one{1, 1, 1, 1};
  EXPECT_EQ(Letters(BuildSlicedBitmap(Rect{0, 0, 5, 4}, frame, one, 1, 1, false, false),
                    kRegions),
            (std::vector<std::string>{"AtttB",
                                      "lcccr",
                                      "lcccr",
                                      "CbbbD"}));
  // Too low for top and bottom: both go; left and right stay. The whole frame height shrinks
  // to one row, which is the top row as GDI picks it.
  EXPECT_EQ(Letters(BuildSlicedBitmap(Rect{0, 0, 5, 1}, frame, one, 1, 1, false, false),
                    kRegions),
            (std::vector<std::string>{"AtttB"}));
}

TEST(Slicing, NarrowerThanTheSideMarginsLosesBothSides) {
  // 8 x 6 frame, margins 3 / 2 / 3 / 2, drawn 5 wide: the left and right margins go, the
  // top and bottom ones stay, and every row is the frame's row stretched 8 -> 5 (columns
  // 1, 2, 4, 5, 7 as GDI picks them).
  const Bitmap frame = Coordinates(8, 6);
  const Bitmap sliced =
      BuildSlicedBitmap(Rect{0, 0, 5, 6}, frame, Margins{3, 2, 3, 2}, 1, 1, false, false);
  const int columns[] = {1, 2, 4, 5, 7};
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 5; ++x)
      EXPECT_EQ(sliced.At(x, y), frame.At(columns[x], y)) << x << "," << y;
}

TEST(Slicing, TiledCentreOverhangIsCoveredByTheRightEdge) {
  // Left 2, centre 5, right 3: a 17-wide result has a 12-wide centre area. The centre is
  // tiled at 2, 7 and 12; the third copy reaches 17 and the right edge covers 14..16.
  const Bitmap frame = Coordinates(10, 4);
  const Bitmap sliced =
      BuildSlicedBitmap(Rect{0, 0, 17, 4}, frame, Margins{2, 0, 3, 0}, 1, 1, true, false);
  for (int x = 0; x < 17; ++x) {
    const int column = x < 2 ? x : x < 14 ? 2 + (x - 2) % 5 : x - 7;
    EXPECT_EQ(sliced.At(x, 3), frame.At(column, 3)) << x;
  }
  // Without a right margin the overhang falls outside the result.
  const Bitmap open = Coordinates(7, 4);
  const Bitmap cut =
      BuildSlicedBitmap(Rect{0, 0, 14, 4}, open, Margins{2, 0, 0, 0}, 1, 1, true, false);
  EXPECT_EQ(cut.Width(), 14);
  EXPECT_EQ(cut.At(12, 0), open.At(2, 0));
  EXPECT_EQ(cut.At(13, 0), open.At(3, 0));
}

TEST(Slicing, ZeroSizeGivesNothingAndInvertedDrawsNothing) {
  const Bitmap frame = Coordinates(6, 6);
  EXPECT_TRUE(BuildSlicedBitmap(Rect{5, 5, 5, 9}, frame, Margins{}, 1, 1, false, false).Empty());
  EXPECT_TRUE(BuildSlicedBitmap(Rect{5, 5, 9, 5}, frame, Margins{}, 1, 1, false, false).Empty());
  Bitmap canvas(10, 10);
  const std::vector<PlacedImage> nothing = {
      SlicedFrameImage(Rect{5, 5, 5, 9}, frame, Margins{}, 1, 1, false, false),
      SlicedFrameImage(Rect{5, 5, 4, 9}, frame, Margins{}, 1, 1, false, false),
      StretchedFrameImage(Rect{5, 5, 9, 4}, frame, 1, 1),
      CentredFrameImage(Rect{5, 5, 4, 9}, frame, 1, 1),
      ThreePartRowImage(Rect{5, 5, 4, 9}, frame, Margins{}, 1, 1, false),
  };
  for (const PlacedImage& placed : nothing) {
    EXPECT_TRUE(placed.image.Empty());
    DrawPlaced(canvas, placed, false);
  }
  EXPECT_EQ(canvas.At(5, 5), 0u);
}

TEST(Slicing, ThreePartRowRepeatsTheMiddleBetweenItsEnds) {
  // Two frames stacked; frame 2 is "LxyR". Middle copies at 1, 3, 5, 7; the last one
  // overhangs into column 8, which the right end covers. Height 1 stretches to 2.
  const Bitmap strip = Picture({"MMMM",
                                "LxyR"}, kRegions);
  const PlacedImage row =
      ThreePartRowImage(Rect{3, 4, 12, 6}, strip, Margins{1, 0, 1, 0}, 2, 2, true);
  EXPECT_EQ(row.x, 3);
  EXPECT_EQ(row.y, 4);
  EXPECT_EQ(Letters(row.image, kRegions),
            (std::vector<std::string>{"LxyxyxyxR", "LxyxyxyxR"}));
}

TEST(Slicing, ThreePartRowWithoutAMiddleEnds) {
  const Bitmap frame = Picture({"LR"}, kRegions);
  const PlacedImage row = ThreePartRowImage(Rect{0, 0, 5, 1}, frame, Margins{1, 0, 1, 0}, 1, 1,
                                            false);
  EXPECT_EQ(Letters(row.image, kRegions), (std::vector<std::string>{"L...R"}));
}

TEST(Slicing, CentredFrameKeepsItsSizeAndMayOverhang) {
  const Bitmap strip = Coordinates(6, 2); // two 3 x 2 frames
  const PlacedImage placed = CentredFrameImage(Rect{10, 20, 17, 26}, strip, 2, 2);
  EXPECT_EQ(placed.x, 12);
  EXPECT_EQ(placed.y, 22);
  EXPECT_EQ(placed.image.At(0, 0), strip.At(3, 0));
  // Wider than the rectangle: (2 - 3) div 2 truncates to 0; (1 - 3) div 2 = -1.
  EXPECT_EQ(CentredFrameImage(Rect{10, 20, 12, 21}, strip, 1, 2).x, 10);
  EXPECT_EQ(CentredFrameImage(Rect{10, 20, 11, 21}, strip, 1, 2).x, 9);
}

TEST(Slicing, StretchedFrameFillsTheRectangleAndDrawsTransparently) {
  const Bitmap strip = Picture({"xyMt"}, kRegions); // frame 2 is "Mt"
  const PlacedImage placed = StretchedFrameImage(Rect{1, 1, 5, 3}, strip, 2, 2);
  EXPECT_EQ(Letters(placed.image, kRegions), (std::vector<std::string>{"MMtt", "MMtt"}));
  Bitmap canvas = Picture({"cccccc",
                           "cccccc",
                           "cccccc"}, kRegions);
  DrawPlaced(canvas, placed, true);
  EXPECT_EQ(Letters(canvas, kRegions), (std::vector<std::string>{"cccccc",
                                                                  "cccttc",
                                                                  "cccttc"}));
  DrawPlaced(canvas, placed, false);
  EXPECT_EQ(Letters(canvas, kRegions)[1], "cMMttc");
}


TEST(Slicing, MarginsAtTheEndsOfIntDoNotOverflow) {
  // Margins come from the skin's INI. Side margins whose sum passes int do not fit any
  // rectangle and are dropped; a three-part row's end wider than the row shows its own first
  // (left) or last (right) columns, as a narrower row clips it.
  const Bitmap frame = Picture({"LxyR"}, kRegions);
  const Margins huge{INT_MAX, INT_MAX, INT_MAX, INT_MAX};
  const PlacedImage sliced = SlicedFrameImage(Rect{0, 0, 6, 1}, frame, huge, 1, 1, false, false);
  EXPECT_EQ(Letters(sliced.image, kRegions),
            Letters(SlicedFrameImage(Rect{0, 0, 6, 1}, frame, Margins{}, 1, 1, false, false).image,
                    kRegions));
  struct Case {
    Margins margins;
    std::string row;
  } cases[] = {
      {Margins{INT_MAX, 0, 0, 0}, "LxyR.."},   // the left end is the whole frame, then black
      {Margins{0, 0, INT_MAX, 0}, "..LxyR"},   // the right end likewise, from the right
      {Margins{INT_MIN, 0, INT_MIN, 0}, "LxyRLx"}, // negative ends are none: all middle
      {Margins{1, 0, 1, 0}, "LxyxyR"},
  };
  for (const Case& c : cases) {
    const PlacedImage row = ThreePartRowImage(Rect{0, 0, 6, 1}, frame, c.margins, 1, 1, false);
    EXPECT_EQ(Letters(row.image, kRegions), (std::vector<std::string>{c.row})) << c.row;
  }
}

} // namespace
} // namespace vcu

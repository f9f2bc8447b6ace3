#include "core/image/Blit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "ImageTesting.h"
#include "core/image/Gradient.h"
#include "core/image/Transparency.h"

namespace vcu {
namespace {

using testing::Coordinates;

// The source column each destination column took, read from the red channel.
std::vector<int> ColumnsTaken(const Bitmap& b, int y = 0) {
  std::vector<int> columns;
  for (int x = 0; x < b.Width(); ++x)
    columns.push_back(int(PixelRed(b.At(x, y))));
  return columns;
}

TEST(StretchCopy, PicksThePixelsGdiPicks) {
  // Source columns chosen by StretchBlt in COLORONCOLOR mode, as read back from GDI (the
  // Windows tests compare every size pair from 1 to 40 the same way).
  struct Case {
    int from, to;
    std::vector<int> columns;
  };
  const Case cases[] = {
      {2, 7, {0, 0, 0, 0, 1, 1, 1}},
      {4, 9, {0, 0, 1, 1, 1, 2, 2, 3, 3}},
      {5, 8, {0, 0, 1, 2, 2, 3, 4, 4}},
      {5, 12, {0, 0, 1, 1, 1, 2, 2, 3, 3, 3, 4, 4}},
      {8, 5, {1, 2, 4, 5, 7}},
      {8, 6, {0, 2, 3, 4, 6, 7}},
      {13, 4, {2, 6, 9, 12}},
      {3, 2, {1, 2}},
      {7, 1, {5}},
      {6, 6, {0, 1, 2, 3, 4, 5}},
  };
  const Bitmap source = Coordinates(13, 1);
  for (const Case& c : cases) {
    Bitmap b(c.to, 1);
    StretchCopy(b, b.Bounds(), source, Rect{0, 0, c.from, 1});
    EXPECT_EQ(ColumnsTaken(b), c.columns) << c.from << " -> " << c.to;
  }
}

TEST(StretchCopy, ShrinkingRowsKeepsTheFirstRowOfEachGroup) {
  // Columns keep the last of each group (13 -> 4 takes 2, 6, 9, 12), rows the first.
  const Bitmap source = Coordinates(1, 13);
  struct Case {
    int from, to;
    std::vector<int> rows;
  };
  const Case cases[] = {
      {13, 4, {0, 3, 7, 10}}, {13, 2, {0, 7}}, {8, 5, {0, 2, 3, 5, 6}}, {13, 1, {0}}};
  for (const Case& c : cases) {
    Bitmap b(1, c.to);
    StretchCopy(b, b.Bounds(), source, Rect{0, 0, 1, c.from});
    std::vector<int> rows;
    for (int y = 0; y < c.to; ++y)
      rows.push_back(int(PixelGreen(b.At(0, y))));
    EXPECT_EQ(rows, c.rows) << c.from << " -> " << c.to;
  }
}

TEST(StretchCopy, EnlargedRowsFollowTheColumnRuleAndClippingKeepsThePick) {
  const Bitmap source = Coordinates(4, 5);
  Bitmap whole(9, 12);
  StretchCopy(whole, whole.Bounds(), source, source.Bounds());
  EXPECT_EQ(ColumnsTaken(whole), (std::vector<int>{0, 0, 1, 1, 1, 2, 2, 3, 3}));
  std::vector<int> rows;
  for (int y = 0; y < 12; ++y)
    rows.push_back(int(PixelGreen(whole.At(0, y))));
  EXPECT_EQ(rows, (std::vector<int>{0, 0, 1, 1, 1, 2, 2, 3, 3, 3, 4, 4}));
  // The same copy placed half outside the target: the visible pixels are the same ones.
  Bitmap part(5, 6);
  StretchCopy(part, Rect{-4, -6, 5, 6}, source, source.Bounds());
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 5; ++x)
      EXPECT_EQ(part.At(x, y), whole.At(x + 4, y + 6)) << x << "," << y;
}

TEST(StretchCopy, NeverReadsOutsideTheSource) {
  const Bitmap source = Coordinates(3, 3);
  Bitmap b(6, 1);
  b.Fill(MakePixel(9, 9, 9));
  // Source columns 1..6 of a 3-wide bitmap, unscaled: only 1 and 2 exist.
  StretchCopy(b, Rect{0, 0, 6, 1}, source, Rect{1, 0, 7, 1});
  EXPECT_EQ(b.At(0, 0), source.At(1, 0));
  EXPECT_EQ(b.At(1, 0), source.At(2, 0));
  for (int x = 2; x < 6; ++x)
    EXPECT_EQ(b.At(x, 0), MakePixel(9, 9, 9));
  // Scaled, partly outside: in-range picks are copied, the rest left.
  StretchCopy(b, Rect{0, 0, 6, 1}, source, Rect{-2, 0, 1, 1});
  EXPECT_EQ(b.At(5, 0), source.At(0, 0));
  EXPECT_EQ(b.At(0, 0), source.At(1, 0));
  // Empty rectangles copy nothing, inverted ones included.
  Bitmap c(2, 2);
  StretchCopy(c, Rect{2, 0, 0, 2}, source, source.Bounds());
  StretchCopy(c, c.Bounds(), source, Rect{0, 0, 0, 3});
  EXPECT_EQ(c.At(0, 0), 0u);
}

TEST(TileRect, RepeatsThePieceAndOverhangsPastTheRectangle) {
  const Bitmap source = Coordinates(10, 10);
  Bitmap b(20, 6);
  b.Fill(MakePixel(99, 99, 99));
  // A 5 x 2 piece from (3, 4) over a 12 x 3 area at (1, 1): columns at 1, 6, 11 (the third
  // reaching to 16) and rows at 1, 3 (the second reaching to 5).
  TileRect(b, Rect{1, 1, 13, 4}, source, Rect{3, 4, 8, 6});
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 20; ++x) {
      const bool covered = x >= 1 && x < 16 && y >= 1 && y < 5;
      const Pixel expected = covered ? MakePixel(3 + (x - 1) % 5, 4 + (y - 1) % 2, 7)
                                     : MakePixel(99, 99, 99);
      EXPECT_EQ(b.At(x, y), expected) << x << "," << y;
    }
}

TEST(TileRect, EmptyPiecesDrawNothing) {
  const Bitmap source = Coordinates(4, 4);
  for (const Rect piece : {Rect{1, 1, 1, 3}, Rect{1, 1, 3, 1}, Rect{3, 1, 1, 3}}) {
    Bitmap b(5, 5);
    TileRect(b, b.Bounds(), source, piece);
    EXPECT_EQ(b.At(0, 0), 0u);
  }
}


// Every routine that clips a rectangle to its target, each drawing a distinct colour at the
// given rectangle of an 8 x 6 canvas.
struct ClippedDraw {
  const char* name;
  void (*draw)(Bitmap& canvas, const Rect& at);
};
const Pixel kInk = MakePixel(200, 100, 50);
Bitmap Ink(int width, int height) {
  Bitmap b(width, height);
  b.Fill(kInk);
  return b;
}
const ClippedDraw kClippedDraws[] = {
    {"FillRect", [](Bitmap& c, const Rect& at) { FillRect(c, at, kInk); }},
    {"StretchCopy", [](Bitmap& c, const Rect& at) { StretchCopy(c, at, Ink(3, 3), Rect{0, 0, 3, 3}); }},
    {"CopyPixels",
     [](Bitmap& c, const Rect& at) {
       const Bitmap ink = Ink(8, 6);
       CopyPixels(c, at.left, at.top, ink, RectOfSize(0, 0, std::min(at.Width(), 8), std::min(at.Height(), 6)));
     }},
    {"TileRect", [](Bitmap& c, const Rect& at) { TileRect(c, at, Ink(1, 1), Rect{0, 0, 1, 1}); }},
    {"DrawTransparent",
     [](Bitmap& c, const Rect& at) { DrawTransparent(c, at, Ink(8, 6), kKeyColour); }},
    {"FillGradientRect",
     [](Bitmap& c, const Rect& at) {
       FillGradientRect(c, at, Colour(MakeRgb(200, 100, 50)), true, Colour(MakeRgb(200, 100, 50)));
     }},
};

// What each routine may touch: the rectangle's common part with the canvas.
void ExpectInkExactlyOn(const Bitmap& canvas, const Rect& at, const char* name) {
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x) {
      const bool inside = x >= at.left && x < at.right && y >= at.top && y < at.bottom;
      EXPECT_EQ(canvas.At(x, y) == kInk, inside)
          << name << " at " << at.left << "," << at.top << "," << at.right << "," << at.bottom
          << ": pixel " << x << "," << y;
    }
}

TEST(Clipping, RectanglesOffTheCanvasDrawNothing) {
  // Right of, below, left of and above the canvas; touching its edges; and far off it. Under
  // the sanitizers a fill that ran from a clipped start past its end would also fail here.
  const Rect outside[] = {{9, 1, 12, 4},       {1, 7, 4, 9},         {-5, 1, -1, 4},
                          {1, -9, 4, -2},      {8, 0, 10, 6},        {0, 6, 8, 8},
                          {-3, 0, 0, 6},       {INT_MAX - 3, 0, INT_MAX, 6},
                          {INT_MIN, 0, INT_MIN + 5, 6}, {0, INT_MIN, 8, INT_MIN + 2}};
  for (const ClippedDraw& d : kClippedDraws)
    for (const Rect& at : outside) {
      Bitmap canvas(8, 6);
      d.draw(canvas, at);
      ExpectInkExactlyOn(canvas, Rect{}, d.name);
    }
}

TEST(Clipping, RectanglesAcrossAnEdgeDrawOnlyTheirCommonPart) {
  const Rect across[] = {{6, 1, 11, 3}, {2, 4, 5, 9}, {-2, -1, 3, 2}, {5, 3, 8, 6}, {1, 1, 3, 2}};
  for (const ClippedDraw& d : kClippedDraws)
    for (const Rect& at : across) {
      Bitmap canvas(8, 6);
      d.draw(canvas, at);
      ExpectInkExactlyOn(canvas, Intersect(at, canvas.Bounds()), d.name);
    }
}

TEST(Clipping, TheCommonPartOfDisjointRectanglesIsEmptyNotInverted) {
  const Rect bounds{0, 0, 8, 6};
  for (const Rect& r : {Rect{9, 1, 12, 4}, Rect{1, 7, 4, 9}, Rect{-5, -5, -1, -1},
                        Rect{INT_MIN, INT_MIN, INT_MIN + 1, INT_MIN + 1}}) {
    const Rect common = Intersect(r, bounds);
    EXPECT_TRUE(common.Empty());
    EXPECT_FALSE(common.Inverted());
  }
  EXPECT_EQ(Rect({INT_MIN, 0, INT_MAX, 1}).Width(), INT_MAX); // held, not wrapped
}

TEST(Clipping, AHugeStretchKeepsThePickOfEachVisiblePixel) {
  // A 2-pixel source stretched over 2^30 destination pixels, of which the 8 x 1 canvas sees
  // the middle ones: the seam between the source's two halves falls at 2^29, on the canvas.
  const Bitmap source = Coordinates(2, 1);
  Bitmap canvas(8, 1);
  const int half = 1 << 29;
  StretchCopy(canvas, Rect{-half + 4, 0, half + 4, 1}, source, source.Bounds());
  EXPECT_EQ(ColumnsTaken(canvas), (std::vector<int>{0, 0, 0, 0, 1, 1, 1, 1}));
  // And shrinking a huge source onto a canvas-sized destination keeps one pixel per group.
  Bitmap wide(1 << 15, 1);
  for (int x = 0; x < wide.Width(); ++x) wide.Set(x, 0, MakePixel(x / 4096, 0, 0));
  Bitmap small(8, 1);
  StretchCopy(small, small.Bounds(), wide, wide.Bounds());
  EXPECT_EQ(ColumnsTaken(small), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
}

} // namespace
} // namespace vcu

// The core's stretching copy against GDI's StretchBlt in COLORONCOLOR mode: composing in
// pixels and composing with GDI must give the same pixels.
#include <gtest/gtest.h>

#include "GdiTesting.h"
#include "support/Pixels.h"
#include "core/image/Blit.h"
#include "skin/data/DibBitmap.h"

namespace vcu {
namespace {

using test::FirstDifference;
using testing::Pattern;

class StretchBltTest : public ::testing::Test {
protected:
  void SetUp() override { UseDibSectionPixels(); }
  void TearDown() override { SetPixelAllocator(nullptr); }
};

// GDI's result of stretching from (a rectangle of source) to (a rectangle of a target of the
// given size, pre-filled with the background).
Bitmap GdiStretch(const Bitmap& background, const Rect& to, const Bitmap& source,
                  const Rect& from) {
  Bitmap out = background;
  {
    BitmapDC target(out), src(source);
    SetStretchBltMode(target.Get(), COLORONCOLOR);
    StretchBlt(target.Get(), to.left, to.top, to.Width(), to.Height(), src.Get(), from.left,
               from.top, from.Width(), from.Height(), SRCCOPY);
  }
  return out;
}

Bitmap CoreStretch(const Bitmap& background, const Rect& to, const Bitmap& source,
                   const Rect& from) {
  Bitmap out = background;
  StretchCopy(out, to, source, from);
  return out;
}

TEST_F(StretchBltTest, EverySizePairFromOneToFortyPicksTheSamePixels) {
  const Bitmap source = Pattern(40, 40, 1);
  const Bitmap row(40, 1), column(1, 40);
  for (int from = 1; from <= 40; ++from)
    for (int to = 1; to <= 40; ++to) {
      const Rect fromRow{0, 0, from, 1}, toRow{0, 0, to, 1};
      ASSERT_EQ(FirstDifference(GdiStretch(row, toRow, source, fromRow),
                                CoreStretch(row, toRow, source, fromRow)),
                "")
          << "across " << from << " -> " << to;
      const Rect fromColumn{0, 0, 1, from}, toColumn{0, 0, 1, to};
      ASSERT_EQ(FirstDifference(GdiStretch(column, toColumn, source, fromColumn),
                                CoreStretch(column, toColumn, source, fromColumn)),
                "")
          << "down " << from << " -> " << to;
    }
}

// Whole-number enlargements repeat each source pixel exactly; a copy of equal size is a copy.
TEST_F(StretchBltTest, WholeFactorEnlargementsRepeatEveryPixel) {
  const Bitmap source = Pattern(6, 1, 3);
  for (int factor : {1, 2, 3, 5}) {
    Bitmap out(6 * factor, 1);
    StretchCopy(out, {0, 0, 6 * factor, 1}, source, {0, 0, 6, 1});
    for (int x = 0; x < 6 * factor; ++x) ASSERT_EQ(out.At(x, 0), source.At(x / factor, 0)) << factor << " at " << x;
  }
}

TEST_F(StretchBltTest, OffsetsAndDestinationsPartlyOutsideAgree) {
  const Bitmap source = Pattern(30, 20, 2);
  const Bitmap background = Pattern(50, 40, 9);
  struct Case {
    Rect to, from;
  };
  const Case cases[] = {
      {{3, 4, 40, 31}, {5, 2, 22, 18}},    // enlarge, both offset
      {{-7, -5, 20, 9}, {1, 1, 29, 19}},   // shrink, hanging off the top-left
      {{30, 25, 75, 60}, {0, 0, 13, 7}},   // hanging off the bottom-right
      {{0, 0, 50, 40}, {10, 5, 11, 6}},    // one pixel blown up
      {{4, 4, 17, 9}, {2, 3, 15, 8}},      // same size: a plain copy
  };
  for (const Case& c : cases)
    EXPECT_EQ(FirstDifference(GdiStretch(background, c.to, source, c.from),
                              CoreStretch(background, c.to, source, c.from)),
              "")
        << c.to.left << "," << c.to.top << " " << c.to.Width() << "x" << c.to.Height();
}

} // namespace
} // namespace vcu

#include "core/image/Gradient.h"

#include <gtest/gtest.h>

#include "core/Errors.h"

namespace vcu {
namespace {

class GradientTest : public ::testing::Test {
protected:
  void SetUp() override { ResetGradientCache(); }
  void TearDown() override { ResetGradientCache(); }
};

TEST_F(GradientTest, RampEntriesRoundTowardZero) {
  struct Case {
    int count;
    Rgb start, end;
    std::vector<Rgb> ramp;
  };
  const Case cases[] = {
      {1, 0x000000, 0x0000FF, {0x00007F}},           // start + d div 2
      {1, 0x0000FF, 0x000000, {0x000080}},           // 255 + (-255 div 2 = -127)
      {3, 0xFFFFFF, 0x000000, {0xFFFFFF, 0x808080, 0x010101}},
      {3, 0x000000, 0xFFFFFF, {0x000000, 0x808080, 0xFFFFFF}},
      {2, 0x102030, 0x405060, {0x102030, 0x405060}},
      {5, 0x0000FF, 0xFF0000, {0x0000FF, 0x4000C0, 0x800080, 0xBF0041, 0xFF0001}},
  };
  for (const Case& c : cases) {
    const int slot = GetGradient(c.count, c.start, c.end);
    EXPECT_EQ(GradientRamp(slot), c.ramp) << c.count << " " << std::hex << c.start;
  }
}

TEST_F(GradientTest, FindsARampAgainUnlessItsEndWasRoundedAway) {
  const int rising = GetGradient(3, 0x000000, 0xFFFFFF);
  EXPECT_EQ(GetGradient(3, 0x000000, 0xFFFFFF), rising);
  EXPECT_NE(GetGradient(4, 0x000000, 0xFFFFFF), rising);
  // The falling ramp ends at 0x010101, not 0x000000: each request builds it again.
  const int falling = GetGradient(3, 0xFFFFFF, 0x000000);
  EXPECT_NE(GetGradient(3, 0xFFFFFF, 0x000000), falling);
}

TEST_F(GradientTest, SixteenSlotsAreReusedOldestFirst) {
  for (int i = 0; i < kGradientSlots; ++i)
    EXPECT_EQ(GetGradient(2, 0, Rgb(i)), i);
  EXPECT_EQ(GetGradient(2, 0, 100), 0);
  EXPECT_EQ(GradientRamp(0).back(), 100u);
  EXPECT_EQ(GetGradient(2, 0, 5), 5); // still cached
  EXPECT_EQ(GetGradient(2, 0, 0), 1); // its slot was taken by the ramp to 100
}

TEST_F(GradientTest, ACountOfZeroOrLessIsAnAssertionNamingItsLine) {
  auto lineOf = [](int count) {
    try {
      GetGradient(count, 0, 0xFFFFFF);
    } catch (const EAssertionFailed& e) {
      EXPECT_EQ(e.Text(), "Assertion failure");
      EXPECT_EQ(e.Unit(), "imgutil");
      return e.Line();
    }
    return 0;
  };
  // An empty slot has the length of a count of 0: the lookup stops there.
  EXPECT_EQ(lineOf(0), 302);
  EXPECT_EQ(lineOf(-1), 321);
  for (int i = 0; i < kGradientSlots; ++i)
    GetGradient(1, 0, Rgb(i));
  EXPECT_EQ(lineOf(0), 321);
  // The failures left the cache alone: the next ramp goes to slot 0.
  EXPECT_EQ(GetGradient(7, 0, 0xFFFFFF), 0);
}

TEST_F(GradientTest, VisibleLinesFollowTheClipBox) {
  struct Case {
    Rect rect, clip;
    bool vertical;
    int length, first, last;
  };
  const Case cases[] = {
      {{0, 0, 10, 20}, {0, 0, 100, 100}, true, 20, 0, 19},
      {{0, 10, 10, 30}, {0, 15, 100, 25}, true, 20, 5, 14},
      {{10, 0, 30, 10}, {15, 0, 25, 100}, false, 20, 5, 14},
      {{0, 10, 10, 30}, {0, 40, 100, 50}, true, 20, 30, 19}, // clip below: nothing
      {{0, 10, 10, 10}, {0, 0, 100, 100}, true, 0, 0, -1},   // no height
  };
  for (const Case& c : cases) {
    const GradientLines lines = VisibleGradientLines(c.rect, c.clip, c.vertical);
    EXPECT_EQ(lines.length, c.length);
    if (c.length > 0) {
      EXPECT_EQ(lines.first, c.first);
      EXPECT_EQ(lines.last, c.last);
    } else {
      EXPECT_LT(lines.last, lines.first);
    }
  }
}

TEST_F(GradientTest, ClippedFillKeepsTheWholeRampsColours) {
  // A 10-row ramp whose top 6 rows lie above the bitmap: the visible rows show entries 6..9.
  Bitmap b(3, 4);
  FillGradientRect(b, Rect{0, -6, 3, 4}, 0x000000, true, 0x0000FF);
  const std::vector<Rgb>& ramp = GradientRamp(GetGradient(10, 0x000000, 0x0000FF));
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 3; ++x)
      EXPECT_EQ(b.At(x, y), MakePixel(ramp[6 + y] & 0xFF, 0, 0)) << x << "," << y;
  EXPECT_EQ(b.At(0, 3), MakePixel(255, 0, 0));
}

TEST_F(GradientTest, HorizontalFillPaintsColumnsAndResolvesSystemColours) {
  Bitmap b(4, 2);
  const Colour buttonFace = static_cast<Colour>(0xFF00000F);
  FillGradientRect(b, Rect{0, 0, 4, 2}, buttonFace, false, buttonFace);
  for (int x = 0; x < 4; ++x)
    EXPECT_EQ(b.At(x, 1), MakePixel(212, 208, 200));
  Bitmap untouched(4, 2);
  FillGradientRect(untouched, Rect{4, 0, 0, 2}, 0xFFFFFF, false, 0xFFFFFF); // inverted
  EXPECT_EQ(untouched.At(0, 0), 0u);
}

} // namespace
} // namespace vcu

// Glyph buttons: glyph and caption placement for each side and margin/spacing mode, the glyph
// cell a state shows, and the frames of speed and menu buttons.
#include <gtest/gtest.h>

#include "core/controls/ButtonRules.h"
#include "core/controls/GlyphLayout.h"

namespace vcu {
namespace {

TEST(GlyphLayout, SideNamesAnyCaseAndUnknownIsLeft) {
  EXPECT_EQ(GlyphSideOf("blGlyphLeft"), GlyphSide::Left);
  EXPECT_EQ(GlyphSideOf("BLGLYPHRIGHT"), GlyphSide::Right);
  EXPECT_EQ(GlyphSideOf("blglyphtop"), GlyphSide::Top);
  EXPECT_EQ(GlyphSideOf("blGlyphBottom"), GlyphSide::Bottom);
  EXPECT_EQ(GlyphSideOf(""), GlyphSide::Left);
  EXPECT_EQ(GlyphSideOf("glyphTop"), GlyphSide::Left);
}

TEST(GlyphLayout, PlacementByModeAndSide) {
  struct Case {
    const char* what;
    GlyphLayoutInput in;
    GlyphPlacement out;
  };
  auto input = [](int w, int h, int gw, int gh, int tw, int th, int margin, int spacing, GlyphSide side,
                  bool centred = false, bool speed = false) {
    return GlyphLayoutInput{w, h, gw, gh, tw, th, margin, spacing, side, centred, speed};
  };
  const Case cases[] = {
      // Automatic margin and spacing split the free 30 pixels in three.
      {"auto left", input(76, 25, 16, 16, 30, 13, -1, -1, GlyphSide::Left), {10, 5, 36, 6, CaptionAlign::Left}},
      {"auto right", input(76, 25, 16, 16, 30, 13, -1, -1, GlyphSide::Right), {50, 5, 10, 6, CaptionAlign::Right}},
      // Vertical: 60 high, 16 + 13 leaves 31: a third is 10.
      {"auto top", input(80, 60, 16, 16, 30, 13, -1, -1, GlyphSide::Top), {32, 10, 25, 36, CaptionAlign::Centre}},
      {"auto bottom", input(80, 60, 16, 16, 30, 13, -1, -1, GlyphSide::Bottom), {32, 34, 25, 11, CaptionAlign::Centre}},
      // A given spacing with automatic margin centres the pair: (76 - 50) / 2 = 13.
      {"given spacing", input(76, 25, 16, 16, 30, 13, -1, 4, GlyphSide::Left), {13, 5, 33, 6, CaptionAlign::Left}},
      // The speed button's margin from a given spacing is one larger.
      {"speed spacing", input(76, 25, 16, 16, 30, 13, -1, 4, GlyphSide::Left, false, true), {14, 5, 34, 6, CaptionAlign::Left}},
      // A given margin with automatic spacing centres the caption in what is left.
      {"given margin", input(76, 25, 16, 16, 30, 13, 4, -1, GlyphSide::Left), {4, 5, 33, 6, CaptionAlign::Left}},
      {"both given", input(76, 25, 16, 16, 30, 13, 3, 2, GlyphSide::Left), {3, 5, 21, 6, CaptionAlign::Left}},
      // Centred alignment overrides a given margin on a bit button, not on a speed button.
      {"centred bit", input(76, 25, 16, 16, 30, 13, 3, 2, GlyphSide::Left, true), {14, 5, 32, 6, CaptionAlign::Left}},
      {"centred speed", input(76, 25, 16, 16, 30, 13, 3, 2, GlyphSide::Left, true, true), {3, 5, 21, 6, CaptionAlign::Left}},
      // No caption: spacing is 0 and the glyph alone is centred by thirds.
      {"no caption", input(76, 25, 16, 16, 0, 0, -1, 6, GlyphSide::Left), {30, 5, 46, 13, CaptionAlign::Left}},
      // Odd leftovers across the axis round up; a too-small button gives negative places, halved
      // towards zero.
      {"odd across", input(76, 24, 15, 15, 30, 14, -1, -1, GlyphSide::Left), {10, 5, 35, 5, CaptionAlign::Left}},
      {"too small", input(20, 10, 16, 16, 30, 13, -1, -1, GlyphSide::Left), {-8, -2, 0, -1, CaptionAlign::Left}},
  };
  for (const Case& c : cases) {
    const GlyphPlacement p = PlaceGlyphAndText(c.in);
    EXPECT_EQ(p.glyphX, c.out.glyphX) << c.what;
    EXPECT_EQ(p.glyphY, c.out.glyphY) << c.what;
    EXPECT_EQ(p.textX, c.out.textX) << c.what;
    EXPECT_EQ(p.textY, c.out.textY) << c.what;
    EXPECT_EQ(p.align, c.out.align) << c.what;
  }
}

TEST(GlyphLayout, CaptionMeasuredBesideOrBelowTheGlyph) {
  EXPECT_EQ(CaptionMeasureBox(76, 25, 16, 16, GlyphSide::Left), (Rect{2, 2, 56, 23}));
  EXPECT_EQ(CaptionMeasureBox(76, 25, 16, 16, GlyphSide::Right), (Rect{2, 2, 56, 23}));
  EXPECT_EQ(CaptionMeasureBox(80, 60, 16, 16, GlyphSide::Top), (Rect{2, 2, 78, 40}));
  EXPECT_EQ(CaptionMeasureBox(80, 60, 0, 0, GlyphSide::Bottom), (Rect{2, 2, 78, 56}));
}

TEST(GlyphCells, StateChoosesItsCellOrTheFirst) {
  struct Case {
    int frame;
    bool down;
    int numGlyphs;
    int number, cell;
  };
  const Case cases[] = {
      {bfNormal, false, 4, 1, 0},  {bfHot, false, 4, 1, 0},     {bfFocused, false, 4, 1, 0},
      {bfDisabled, false, 4, 2, 1}, {bfPressed, false, 4, 3, 2}, {bfPressed, true, 4, 4, 3},
      {bfNormal, true, 4, 4, 3},    // down wins over the frame
      {bfPressed, false, 2, 3, 0},  // fewer cells than the number: the first
      {bfDisabled, false, 1, 2, 0}, {bfDisabled, false, 0, 2, 0}, {bfNormal, true, -1, 4, 0},
  };
  for (const Case& c : cases) {
    const int number = GlyphNumberOfFrame(c.frame, c.down);
    EXPECT_EQ(number, c.number) << "frame " << c.frame << " down " << c.down;
    EXPECT_EQ(GlyphCell(number, c.numGlyphs), c.cell) << "number " << number << " of " << c.numGlyphs;
  }
}

TEST(SpeedButtonFrames, DownThenEnabledStateElseDisabled) {
  EXPECT_EQ(SpeedButtonFrame(false, true, false, false), bfNormal);
  EXPECT_EQ(SpeedButtonFrame(false, true, false, true), bfHot);
  EXPECT_EQ(SpeedButtonFrame(false, true, true, true), bfPressed);
  EXPECT_EQ(SpeedButtonFrame(true, true, false, false), bfPressed);
  EXPECT_EQ(SpeedButtonFrame(true, false, false, false), bfPressed); // down shows even disabled
  EXPECT_EQ(SpeedButtonFrame(false, false, true, true), bfDisabled);
  for (int frame = 1; frame <= kButtonFrames; ++frame) {
    EXPECT_TRUE(SpeedButtonDrawsFrame(false, frame));
    EXPECT_EQ(SpeedButtonDrawsFrame(true, frame), frame == bfPressed || frame == bfHot) << frame;
  }
}

TEST(MenuButton, FramesNeverFocusedAndArrowGeometry) {
  EXPECT_EQ(MenuButtonFrame(true, false, false, false), bfNormal);
  EXPECT_EQ(MenuButtonFrame(true, false, false, true), bfHot);
  EXPECT_EQ(MenuButtonFrame(true, false, true, false), bfHot);
  EXPECT_EQ(MenuButtonFrame(true, true, true, true), bfPressed);
  EXPECT_EQ(MenuButtonFrame(false, true, true, true), bfDisabled);
  const ArrowPoints a = MenuButtonArrow(100, 25);
  EXPECT_EQ(a.x[0], 88);
  EXPECT_EQ(a.y[0], 14);
  EXPECT_EQ(a.x[1], 85);
  EXPECT_EQ(a.x[2], 91);
  EXPECT_EQ(a.y[1], 11);
  EXPECT_EQ(a.y[2], 11);
  int x = 0, y = 0;
  MenuButtonTextAt(100, 25, 40, 13, x, y);
  EXPECT_EQ(x, 23);
  EXPECT_EQ(y, 6);
}

} // namespace
} // namespace vcu

namespace vcu {
namespace {

constexpr Pixel kKey = MakePixel(0, 128, 0);
constexpr Pixel kRed = MakePixel(200, 10, 30);
constexpr Pixel kBlue = MakePixel(10, 20, 240);
constexpr Pixel kGround = MakePixel(1, 2, 3);

// Two 3 x 2 cells: the first red with a see-through bottom-left, the second blue with the
// same key at its bottom-left and one more key pixel inside.
Bitmap TwoCells() {
  Bitmap glyph(6, 2, PixelFormat::Bits24);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 6; ++x) glyph.Set(x, y, x < 3 ? kRed : kBlue);
  glyph.Set(0, 1, kKey);
  glyph.Set(3, 1, kKey);
  glyph.Set(4, 0, kKey);
  return glyph;
}

Bitmap Ground(int w, int h) {
  Bitmap b(w, h, PixelFormat::Bits32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.Set(x, y, kGround);
  return b;
}

TEST(GlyphCompose, CellKeyedByItsBottomLeftPixel) {
  Bitmap target = Ground(5, 4);
  ComposeGlyphCell(target, 1, 1, TwoCells(), 1, 3, false);
  EXPECT_EQ(target.At(1, 1), kBlue);
  EXPECT_EQ(target.At(2, 1), kGround); // the key inside the cell
  EXPECT_EQ(target.At(3, 1), kBlue);
  EXPECT_EQ(target.At(1, 2), kGround); // the bottom-left itself
  EXPECT_EQ(target.At(2, 2), kBlue);
  EXPECT_EQ(target.At(0, 0), kGround);
  EXPECT_EQ(target.At(4, 1), kGround); // right of the cell: the next cell is not drawn
}

TEST(GlyphCompose, GreyIsTheChannelAverage) {
  Bitmap target = Ground(3, 2);
  ComposeGlyphCell(target, 0, 0, TwoCells(), 0, 3, true);
  const unsigned level = (200 + 10 + 30) / 3;
  EXPECT_EQ(target.At(1, 0), MakePixel(level, level, level));
  EXPECT_EQ(target.At(0, 1), kGround);
}

TEST(GlyphCompose, ClippedAtEveryEdgeAndBadCellsDrawNothing) {
  const Bitmap glyph = TwoCells();
  struct Case {
    int x, y, cell, cellWidth;
    int drawn; // pixels of the ground replaced
  };
  const Case cases[] = {
      {-2, 0, 0, 3, 2},  // only the cell's last column lands
      {3, 3, 0, 3, 2},   // bottom-right corner: two columns of the top row
      {0, -1, 0, 3, 2},  // only the bottom row, less its key
      {9, 9, 0, 3, 0},   {-9, 0, 0, 3, 0},
      {0, 0, 2, 3, 0},   // beyond the glyph
      {0, 0, -1, 3, 0},  {0, 0, 0, 0, 0},
      {0, 0, 0, 7, 0},   // wider than the glyph
      {0, 0, 1 << 30, 1 << 30, 0},
  };
  for (const Case& c : cases) {
    Bitmap target = Ground(5, 4);
    ComposeGlyphCell(target, c.x, c.y, glyph, c.cell, c.cellWidth, false);
    int drawn = 0;
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 5; ++x) drawn += target.At(x, y) != kGround;
    EXPECT_EQ(drawn, c.drawn) << c.x << "," << c.y << " cell " << c.cell << " of " << c.cellWidth;
  }
  Bitmap empty;
  ComposeGlyphCell(empty, 0, 0, glyph, 0, 3, false); // no target: nothing, no fault
}

} // namespace
} // namespace vcu

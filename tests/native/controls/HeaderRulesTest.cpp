// Header rules: item frames, alignment of the format, image use, the cell's image and text
// placement, and hot tracking over the shrunk item areas.
#include <gtest/gtest.h>

#include "core/controls/HeaderRules.h"

namespace vcu {
namespace {

TEST(HeaderItem, FrameAndAlignment) {
  EXPECT_EQ(HeaderItemFrame(false), 1);
  EXPECT_EQ(HeaderItemFrame(true), 2);
  EXPECT_EQ(HeaderAlignment(0), 0);
  EXPECT_EQ(HeaderAlignment(kHeaderFormatRight), 2);
  EXPECT_EQ(HeaderAlignment(kHeaderFormatCentre), 1);
  EXPECT_EQ(HeaderAlignment(0x4000 | kHeaderFormatCentre), 1); // other format bits do not count
}

TEST(HeaderItem, ImageOnlyWithIndexListAndRoom) {
  EXPECT_TRUE(HeaderImageUsed(0, true, 16, 17));
  EXPECT_FALSE(HeaderImageUsed(0, true, 16, 16)); // not narrower than the cell
  EXPECT_FALSE(HeaderImageUsed(-1, true, 16, 100));
  EXPECT_FALSE(HeaderImageUsed(2, false, 16, 100));
}

TEST(HeaderItem, CellLayoutByAlignment) {
  struct Case {
    int w, h, alignment, cx, cy, tw, th;
    int imageX, imageY;
    Rect text;
  };
  const Case cases[] = {
      // left: 3 from the edge, text after the image
      {100, 20, 0, 16, 16, 30, 13, 3, 2, {19, 3, 49, 16}},
      {100, 20, 0, 0, 0, 30, 13, 3, 10, {3, 3, 33, 16}},
      // centre: (100 - 16 - 30) div 2 = 27
      {100, 20, 1, 16, 16, 30, 13, 27, 2, {43, 3, 73, 16}},
      // right: 100 - 16 - 30 - 2 = 52
      {100, 20, 2, 16, 16, 30, 13, 52, 2, {68, 3, 98, 16}},
      // right-aligned text wider than the cell: x below 2 becomes 1, text cut at the right edge
      {40, 20, 2, 0, 0, 60, 13, 1, 10, {1, 3, 40, 16}},
      // centred, too wide: (40 - 45) div 2 = -2 -> 1
      {40, 20, 1, 0, 0, 45, 13, 1, 10, {1, 3, 40, 16}},
      // x of exactly 2 stays
      {36, 20, 2, 0, 0, 32, 13, 2, 10, {2, 3, 34, 16}},
      // text taller than the cell: (12 - 13) div 2 = 0
      {50, 12, 0, 0, 0, 10, 13, 3, 6, {3, 0, 13, 13}},
  };
  for (const Case& c : cases) {
    const HeaderCellLayout l = LayoutHeaderCell(c.w, c.h, c.alignment, c.cx, c.cy, c.tw, c.th);
    EXPECT_EQ(l.imageX, c.imageX) << c.w << " align " << c.alignment;
    EXPECT_EQ(l.imageY, c.imageY) << c.w << " align " << c.alignment;
    EXPECT_EQ(l.text, c.text) << c.w << " align " << c.alignment << ": " << l.text.left << "," << l.text.top << ","
                              << l.text.right << "," << l.text.bottom;
  }
}

TEST(HeaderHot, ItemUnderTheMouseOverShrunkAreas) {
  const std::vector<Rect> areas{HotTrackArea({0, 0, 80, 20}), HotTrackArea({80, 0, 180, 20}),
                                HotTrackArea({180, 0, 240, 20})};
  EXPECT_EQ(areas[1], (Rect{83, 0, 177, 20}));
  struct Case {
    int hot, x, y, result;
  };
  const Case cases[] = {
      {-1, 10, 5, 0},  {-1, 100, 5, 1}, {0, 10, 5, -1}, // already hot: no change
      {0, 100, 5, 1},  {1, 78, 5, -1},                   // in the margin between items: unchanged
      {1, 82, 5, -1},  {1, 83, 5, -1},  {0, 83, 5, 1},
      {2, 250, 5, -1},                                   // right of the last item
      {-1, 100, 20, -1},                                 // below the items
  };
  for (const Case& c : cases) EXPECT_EQ(NewHotItem(areas, c.hot, c.x, c.y), c.result) << c.hot << " at " << c.x << "," << c.y;
}

} // namespace
} // namespace vcu

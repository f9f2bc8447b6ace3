// Status-bar rules: bevel frames, text alignment with the right-to-left swap, panel and text
// placement, and the size grip's place.
#include <gtest/gtest.h>

#include <climits>

#include "core/controls/StatusBarRules.h"

namespace vcu {
namespace {

TEST(StatusPanel, FrameByBevel) {
  EXPECT_EQ(PanelFrameIndex(PanelBevel::Lowered), 1);
  EXPECT_EQ(PanelFrameIndex(PanelBevel::Raised), 2);
  EXPECT_EQ(PanelFrameIndex(PanelBevel::None), 3);
}

TEST(StatusPanel, TextFlagSwapsLeftAndRightForRightToLeftOnly) {
  struct Case {
    PanelAlignment alignment;
    bool rtl;
    unsigned flag;
  };
  const Case cases[] = {
      {PanelAlignment::Left, false, kTextLeft},    {PanelAlignment::Right, false, kTextRight},
      {PanelAlignment::Centre, false, kTextCentre}, {PanelAlignment::Left, true, kTextRight},
      {PanelAlignment::Right, true, kTextLeft},     {PanelAlignment::Centre, true, kTextCentre},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PanelTextFlag(c.alignment, c.rtl), c.flag) << static_cast<int>(c.alignment) << " rtl " << c.rtl;
  EXPECT_EQ(SimpleTextFlag(false), kTextLeft);
  EXPECT_EQ(SimpleTextFlag(true), kTextRight);
}

TEST(StatusPanel, FrameWidenedByTwoAndTheLastReachesTheBarsEnd) {
  const Rect native{100, 2, 150, 19};
  EXPECT_EQ(PanelFrameRect(native, false, 400), (Rect{100, 2, 152, 19}));
  EXPECT_EQ(PanelFrameRect(native, true, 400), (Rect{100, 2, 400, 19}));
  // A bar narrower than the native panel: the last frame ends with the bar (inverted, drawn as nothing).
  EXPECT_EQ(PanelFrameRect(native, true, 90).right, 90);
  EXPECT_EQ(PanelFrameRect(Rect{0, 0, INT_MAX, 5}, false, 0).right, INT_MAX);
  EXPECT_EQ(PanelTextArea(Rect{10, 0, 60, 20}), (Rect{12, 0, 58, 20}));
}

TEST(StatusPanel, TextPlacementRoundsTowardZero) {
  struct Case {
    Rect area;
    int tw, th;
    unsigned flag;
    Rect placed;
  };
  const Case cases[] = {
      // (20 - 13) div 2 - 1 = 2
      {{2, 0, 98, 20}, 40, 13, kTextLeft, {2, 2, 98, 15}},
      {{2, 0, 98, 20}, 40, 13, kTextRight, {2, 2, 98, 15}},
      // centred: (96 - 40) div 2 = 28
      {{2, 0, 98, 20}, 40, 13, kTextCentre, {30, 2, 70, 15}},
      // text taller than the panel: (10 - 13) div 2 = -1 (toward zero), then -1 more
      {{0, 5, 50, 15}, 10, 13, kTextLeft, {0, 3, 50, 16}},
      // text wider than the panel, centred: (20 - 31) div 2 = -5
      {{0, 0, 20, 20}, 31, 13, kTextCentre, {-5, 2, 26, 15}},
  };
  for (const Case& c : cases) {
    const Rect r = PlacePanelText(c.area, c.tw, c.th, c.flag);
    EXPECT_EQ(r, c.placed) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
  }
}

TEST(StatusPanel, SizeGripAtTheBottomRightCornerLessOne) {
  // A strip of 5 frames of 12 x 12.
  EXPECT_EQ(SizeGripRect(Rect{0, 0, 300, 20}, 60, 12, 5), (Rect{287, 7, 299, 19}));
  EXPECT_TRUE(SizeGripRect(Rect{0, 0, 300, 20}, 4, 12, 5).Empty());
  EXPECT_TRUE(SizeGripRect(Rect{0, 0, 300, 20}, 60, 12, 0).Empty());
  EXPECT_TRUE(SizeGripRect(Rect{0, 0, 300, 20}, 60, 0, 5).Empty());
}

} // namespace
} // namespace vcu

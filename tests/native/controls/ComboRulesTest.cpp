// Combo-box rules: the frame of each state, the text area and button box on either side,
// the classic look's strip, and the hot-tracking hit test.
#include <gtest/gtest.h>

#include "core/controls/ComboRules.h"

namespace vcu {
namespace {

TEST(ComboFrame, FirstMatchingStateWins) {
  struct Case {
    bool enabled, pressed, focused, hot;
    int normal, classic;
  };
  const Case cases[] = {
      {true, false, false, false, 1, 1},  {true, true, false, false, 2, 2},
      {true, true, true, true, 2, 2},     // pressed beats focus and hot
      {true, false, true, false, 4, 4},   {true, false, false, true, 4, 4},
      {false, false, false, false, 3, 3}, {false, true, false, false, 3, 3},
      {false, false, true, false, 3, 4},  // the classic look lights a disabled focused box
      {false, true, false, true, 3, 4},
  };
  for (const Case& c : cases) {
    const ComboState state{c.enabled, c.pressed, c.focused, c.hot};
    EXPECT_EQ(ComboFrameIndex(state), c.normal) << c.enabled << c.pressed << c.focused << c.hot;
    EXPECT_EQ(ClassicComboFrameIndex(state), c.classic) << c.enabled << c.pressed << c.focused << c.hot;
  }
}

TEST(ComboLayout, TextAndButtonMirrorWithTheButtonOnTheLeft) {
  const Rect r{0, 0, 145, 21};
  const ComboLayout right = ComboBoxLayout(r, 17, false);
  EXPECT_EQ(right.text, (Rect{2, 2, 124, 19}));
  EXPECT_EQ(right.button, (Rect{126, 0, 143, 21}));
  const ComboLayout left = ComboBoxLayout(r, 17, true);
  EXPECT_EQ(left.text, (Rect{21, 2, 143, 19}));
  EXPECT_EQ(left.button, (Rect{2, 0, 19, 21}));
  // Mirror images of each other about the window's centre.
  EXPECT_EQ(left.button.left, r.right - right.button.right);
  EXPECT_EQ(left.text.right, r.right - right.text.left);
}

TEST(ComboLayout, TinyOrHostileSizesNeverOverflow) {
  const ComboLayout tiny = ComboBoxLayout(Rect{0, 0, 10, 3}, 17, false);
  EXPECT_TRUE(tiny.text.Empty());
  EXPECT_TRUE(tiny.text.Inverted()); // nothing is clipped or drawn there
  const ComboLayout huge = ComboBoxLayout(Rect{INT_MAX - 5, 0, INT_MAX, 20}, INT_MAX, true);
  EXPECT_EQ(huge.button.right, INT_MAX);
  EXPECT_EQ(huge.text.left, INT_MAX);
  const ComboLayout negative = ComboBoxLayout(Rect{0, 0, 100, 20}, -40, false);
  EXPECT_EQ(negative.button, (Rect{98, 0, 98, 20}));
}

TEST(ClassicCombo, StripAndButtonAtTheButtonsSide) {
  struct Case {
    Rect r;
    int thumbW, thumbH, frameW;
    bool left;
    Rect strip, button;
  };
  const Case cases[] = {
      // Room for a whole thumb: the button is a thumb high.
      {{0, 0, 120, 30}, 16, 16, 15, false, {102, 2, 118, 28}, {103, 2, 118, 18}},
      {{0, 0, 120, 30}, 16, 16, 15, true, {2, 2, 18, 28}, {2, 2, 17, 18}},
      // A strip lower than a thumb cuts the button.
      {{0, 0, 120, 14}, 16, 16, 15, false, {102, 2, 118, 12}, {103, 2, 118, 12}},
      // Collapsed window: an empty button, never an inverted height.
      {{0, 0, 3, 3}, 16, 16, 15, false, {-15, 2, 1, 1}, {-14, 2, 1, 2}},
  };
  for (const Case& c : cases) {
    const ClassicComboLayout layout = ClassicComboBoxLayout(c.r, c.thumbW, c.thumbH, c.frameW, c.left);
    EXPECT_EQ(layout.ring, (Rect{c.r.left + 1, c.r.top + 1, c.r.right - 1, c.r.bottom - 1}));
    EXPECT_EQ(layout.strip, c.strip) << c.r.bottom << c.left;
    EXPECT_EQ(layout.button, c.button) << c.r.bottom << c.left;
  }
}

TEST(ComboHitTest, EdgesAreHalfOpen) {
  const Rect button{126, 0, 143, 21};
  EXPECT_TRUE(PointInButton(button, 126, 0));
  EXPECT_TRUE(PointInButton(button, 142, 20));
  EXPECT_FALSE(PointInButton(button, 143, 10));
  EXPECT_FALSE(PointInButton(button, 130, 21));
  EXPECT_FALSE(PointInButton(button, 125, 10));
  EXPECT_FALSE(PointInButton(Rect{}, 0, 0));
}

} // namespace
} // namespace vcu

// Check-box, radio-button and group-box rules: strip frame counts, the frame of each state,
// image and caption placement, and the group box's line.
#include <gtest/gtest.h>

#include "core/controls/CheckRules.h"

namespace vcu {
namespace {

TEST(CheckStrip, CountFromTheKeyOrFromTheStripsWidthNeverBelowFour) {
  struct Case {
    int key, width, height, frames;
  };
  const Case cases[] = {
      {0, 52, 13, 4},   // 52 div 13
      {0, 48, 16, 4},   // 48 div 16 is 3, raised to 4
      {0, 96, 16, 6},
      {0, 156, 13, 12},
      {0, 128, 15, 9},  // under 16 high: cells of 13
      {6, 52, 13, 6},   // the key wins
      {-3, 104, 13, 8}, // a nonsense key counts as missing
      {0, 0, 0, 4},
      {0, -20, 13, 4},
  };
  for (const Case& c : cases)
    EXPECT_EQ(StripFrameCount(c.key, c.width, c.height), c.frames) << c.key << " " << c.width << "x" << c.height;
}

TEST(CheckImage, BareWindowFollowsTheButtonState) {
  struct Case {
    bool checked, indeterminate, disabled;
    int four, twelve;
  };
  const Case cases[] = {
      {false, false, false, 1, 1}, {true, false, false, 2, 5},  {false, false, true, 3, 4},
      {true, false, true, 4, 8},   {false, true, false, 4, 9},  {true, true, true, 4, 12},
  };
  for (const Case& c : cases) {
    const CheckInputs in{c.checked, c.indeterminate, c.disabled, nullptr};
    EXPECT_EQ(CheckImageIndex(in, 4), c.four) << c.checked << c.indeterminate << c.disabled;
    EXPECT_EQ(CheckImageIndex(in, 12), c.twelve) << c.checked << c.indeterminate << c.disabled;
  }
}

TEST(CheckImage, HostPropertiesOverrideTheButtonState) {
  HostCheckState onlyChecked;
  onlyChecked.hasChecked = true;
  // Only a Checked property, unchecked: frame 1, 3 when disabled, whatever the window says.
  EXPECT_EQ(CheckImageIndex({true, false, false, &onlyChecked}, 4), 1);
  EXPECT_EQ(CheckImageIndex({true, false, true, &onlyChecked}, 4), 3);
  onlyChecked.checked = true;
  EXPECT_EQ(CheckImageIndex({false, false, false, &onlyChecked}, 4), 2);

  struct StateCase {
    const char* state;
    int frame;
  };
  const StateCase states[] = {{"cbUnchecked", 1}, {"cbChecked", 2}, {"cbGrayed", 4}, {"", 2}};
  for (const StateCase& s : states) {
    HostCheckState host;
    host.hasState = true;
    host.state = s.state;
    host.hasChecked = true; // State is asked first
    EXPECT_EQ(CheckImageIndex({true, false, false, &host}, 4), s.frame) << s.state;
  }

  HostCheckState data;
  data.hasChecked = true;
  data.hasDataField = true;
  data.lastCheck = 3; // the last BM_SETCHECK was indeterminate
  EXPECT_EQ(CheckImageIndex({false, false, false, &data}, 4), 4);
  EXPECT_EQ(CheckImageIndex({false, false, true, &data}, 12), 12);
  data.lastCheck = 0; // unknown: Checked stands
  EXPECT_EQ(CheckImageIndex({false, false, false, &data}, 4), 1);
  data.lastCheck = 40; // a wild wParam stays inside the strip
  EXPECT_EQ(CheckImageIndex({false, false, true, &data}, 4), 4);

  HostCheckState bound;
  bound.hasChecked = true;
  bound.checked = true;
  bound.hasDataBinding = true;
  EXPECT_EQ(CheckImageIndex({true, false, false, &bound}, 4), 1);
}

TEST(RadioImage, DisabledCheckedIsFrameFourOrEightAndOtherCountsKeepTheBasicOrder) {
  struct Case {
    bool checked, disabled;
    int four, eight;
  };
  const Case cases[] = {
      {false, false, 1, 1}, {true, false, 2, 5}, {false, true, 3, 4}, {true, true, 4, 8},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RadioImageIndex(c.checked, c.disabled, 4), c.four) << c.checked << c.disabled;
    EXPECT_EQ(RadioImageIndex(c.checked, c.disabled, 8), c.eight) << c.checked << c.disabled;
    EXPECT_EQ(RadioImageIndex(c.checked, c.disabled, 12), c.four) << "only the 8-frame strip is remapped";
  }
}

TEST(CheckLayoutRules, ImageLeftOrRightAndTheTextBesideIt) {
  struct Case {
    bool leftText, radio;
    Rect image, text;
  };
  const Rect rect{0, 0, 100, 21};
  const Case cases[] = {
      {false, false, {0, 4, 13, 17}, {15, 0, 100, 21}},
      {false, true, {0, 4, 13, 17}, {15, 0, 100, 21}},
      {true, false, {87, 4, 100, 17}, {0, 0, 85, 21}}, // flush right
      {true, true, {86, 4, 99, 17}, {0, 0, 84, 21}},   // one pixel gap
  };
  for (const Case& c : cases) {
    const CheckLayout layout = CheckControlLayout(rect, 13, 13, c.leftText, c.radio);
    EXPECT_EQ(layout.image, c.image) << c.leftText << c.radio;
    EXPECT_EQ(layout.text, c.text) << c.leftText << c.radio;
  }
  // Odd leftover height: the image sits on the upper pixel; an image taller than the control
  // overhangs.
  EXPECT_EQ(CheckControlLayout({0, 0, 50, 16}, 13, 13, false, false).image, (Rect{0, 1, 13, 14}));
  EXPECT_EQ(CheckControlLayout({0, 0, 50, 10}, 16, 16, false, false).image, (Rect{0, -3, 16, 13}));
}

TEST(CheckLayoutRules, CaptionCentredDownAndFocusRectAroundIt) {
  EXPECT_EQ(CentreCheckText({15, 0, 100, 21}, {0, 0, 100, 21}, 13), (Rect{15, 4, 100, 25}));
  // Left-aligned caption: the focus rectangle wraps the text, 2 and 1 pixels out, inside the
  // box.
  EXPECT_EQ(TextFocusRect({15, 4, 100, 25}, 40, 13, false, false), (Rect{15, 4, 57, 18}));
  EXPECT_EQ(TextFocusRect({20, 10, 100, 40}, 40, 13, false, false), (Rect{20, 10, 62, 24}));
  EXPECT_EQ(TextFocusRect({0, 0, 85, 21}, 40, 13, false, true), (Rect{43, 0, 85, 14}));
  EXPECT_EQ(TextFocusRect({0, 0, 80, 21}, 40, 13, true, false), (Rect{18, 2, 62, 17}));
}

TEST(GroupBoxRules, LineHalfADigitDownAndCaptionIndented) {
  EXPECT_EQ(GroupLineTop(13), 5);
  EXPECT_EQ(GroupLineTop(16), 7);
  EXPECT_EQ(GroupLineTop(1), -1);
  EXPECT_EQ(GroupFrameRect({0, 0, 185, 105}, 13), (Rect{1, 5, 184, 104}));
  EXPECT_EQ(GroupCaptionBox({0, 0, 185, 105}, false), (Rect{8, 0, 185, 105}));
  EXPECT_EQ(GroupCaptionBox({0, 0, 185, 105}, true), (Rect{0, 0, 177, 105}));
}

} // namespace
} // namespace vcu

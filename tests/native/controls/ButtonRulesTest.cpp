// Push-button rules: the frame a state shows, the caption's line break and place, and its
// colour per frame.
#include <gtest/gtest.h>

#include "core/controls/ButtonRules.h"

namespace vcu {
namespace {

TEST(ButtonFrame, StatesChooseTheirFrameAndDisabledOverridesAll) {
  struct Case {
    ButtonLook look;
    int frame;
  };
  const Case cases[] = {
      {{true, false, false, false, false}, bfNormal},
      {{true, true, true, true, true}, bfPressed},   // pressed wins over hot and focus
      {{true, false, true, true, true}, bfHot},      // hot wins over focus and default
      {{true, false, false, true, false}, bfFocused},
      {{true, false, false, false, true}, bfFocused}, // the default button
      {{false, false, false, false, true}, bfDisabled}, // a disabled default button
      {{false, true, true, true, false}, bfDisabled},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ButtonFrameIndex(c.look), c.frame)
        << "enabled " << c.look.enabled << " pressed " << c.look.pressed << " hot " << c.look.hot
        << " focused " << c.look.focused << " default " << c.look.isDefault;
  }
}

TEST(ButtonCaption, OnlyTheFirstDoubleBarBreaksTheLine) {
  EXPECT_EQ(BreakFirstBars(L"Con||nect"), L"Con\r\nnect");
  EXPECT_EQ(BreakFirstBars(L"a||b||c"), L"a\r\nb||c");
  EXPECT_EQ(BreakFirstBars(L"|||"), L"\r\n|");
  EXPECT_EQ(BreakFirstBars(L"plain |"), L"plain |");
  EXPECT_EQ(BreakFirstBars(L""), L"");
}

TEST(ButtonCaption, CentredBoxSitsOnePixelAboveTheMiddleAndLeftAlignedSpansTheRect) {
  struct Case {
    Rect rect;
    int tw, th;
    bool centred;
    Rect box;
  };
  const Case cases[] = {
      {{0, 0, 75, 25}, 41, 13, true, {17, 5, 58, 18}},  // leftover 12: exact middle is 6
      {{0, 0, 75, 24}, 41, 13, true, {17, 4, 58, 17}},  // leftover 11: 5, then one higher
      {{0, 0, 400, 30}, 100, 26, true, {150, 1, 250, 27}},
      {{10, 20, 85, 45}, 41, 13, true, {27, 25, 68, 38}}, // placed from the rect's corner
      {{0, 0, 75, 25}, 41, 13, false, {0, 5, 75, 18}},
      {{0, 0, 20, 10}, 41, 30, true, {-10, -11, 31, 19}}, // larger than the button: overhangs
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ButtonTextBox(c.rect, c.tw, c.th, c.centred), c.box) << c.rect.right << "x" << c.rect.bottom;
  }
}

TEST(ButtonCaption, ColourFollowsTheFrameWhereTheSkinGivesOneAndDisabledIsAlwaysGrey) {
  TDataSkinButton buttons("Buttons");
  buttons.NormalColour2 = 0x102030;
  buttons.MouseOverColour2 = 0x405060;
  buttons.PressedColour2 = 0x708090;
  const Colour font = 0x0000FF;
  buttons.HasNormalColour2 = buttons.HasMouseOverColour2 = buttons.HasPressedColour2 = true;
  EXPECT_EQ(ButtonTextColour(bfNormal, font, buttons), 0x102030);
  EXPECT_EQ(ButtonTextColour(bfHot, font, buttons), 0x405060);
  EXPECT_EQ(ButtonTextColour(bfPressed, font, buttons), 0x708090);
  EXPECT_EQ(ButtonTextColour(bfFocused, font, buttons), font) << "the default look keeps the font's colour";
  EXPECT_EQ(ButtonTextColour(bfDisabled, font, buttons), kDisabledTextColour);
  buttons.HasNormalColour2 = buttons.HasMouseOverColour2 = buttons.HasPressedColour2 = false;
  for (int frame = bfNormal; frame <= bfFocused; ++frame)
    EXPECT_EQ(ButtonTextColour(frame, font, buttons), frame == bfDisabled ? kDisabledTextColour : font) << frame;
}

} // namespace
} // namespace vcu

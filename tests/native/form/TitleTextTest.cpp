// Placement of the caption text: the alignments, right-to-left windows, the clip before the
// caption buttons, and the dialog frame's shift. Expected rectangles are worked out by hand
// from a 392-pixel title at x 4 and a 100 x 14 caption on a plate with 6-pixel ends.
#include <gtest/gtest.h>

#include <climits>

#include "core/form/TitleText.h"

namespace vcu {
namespace {

TitleTextInput Base() {
  TitleTextInput in;
  in.title = Rect{4, 0, 396, 30};
  in.textWidth = 100;
  in.textHeight = 14;
  in.rightButtonSpace = 73;
  in.textShift = 24;
  in.textRightClip = 80;
  in.backLeft = 6;
  in.backRight = 6;
  return in;
}

struct Case {
  const char* what;
  int alignment;
  bool rightToLeft, popup;
  FrameKind kind;
  int textWidth;
  Rect expected;
};

TEST(PlaceTitleText, AlignmentsAndClips) {
  const Case cases[] = {
      {"left at TextShift", 0, false, false, fkSizeable, 100, {28, 8, 140, 22}},
      {"centred", 1, false, false, fkSizeable, 100, {144, 8, 256, 22}},
      {"centred, odd room halves toward zero", 1, false, false, fkSizeable, 101, {143, 8, 256, 22}},
      {"right, before the clip", 2, false, false, fkSizeable, 100, {204, 8, 316, 22}},
      {"unknown alignment sits at the title's left", 7, false, false, fkSizeable, 100, {4, 8, 116, 22}},
      {"long text stops at TextRightClip", 0, false, false, fkSizeable, 300, {28, 8, 316, 22}},
      {"popup stops before the buttons", 0, false, true, fkSizeable, 300, {28, 8, 318, 22}},
      {"right-to-left, against the buttons, moved 10", 0, true, false, fkSizeable, 100, {221, 8, 333, 22}},
      {"right-to-left centred", 1, true, false, fkSizeable, 100, {117, 8, 229, 22}},
      {"right-to-left at TextShift", 2, true, false, fkSizeable, 100, {38, 8, 150, 22}},
      {"right-to-left too long: left edge to TextShift", 0, true, false, fkSizeable, 350, {34, 8, 333, 22}},
      {"right-to-left unknown alignment", 5, true, false, fkSizeable, 100, {34, 8, 126, 22}},
      {"right-to-left popup moves the same", 2, true, true, fkSizeable, 100, {38, 8, 150, 22}},
      {"dialog frame, left: 16 to the left", 0, false, false, fkDialog, 100, {12, 8, 140, 22}},
      {"dialog frame, centred: no shift", 1, false, false, fkDialog, 100, {144, 8, 256, 22}},
      {"dialog frame, right-to-left left-aligned", 0, true, false, fkDialog, 100, {205, 8, 333, 22}},
  };
  for (const Case& c : cases) {
    TitleTextInput in = Base();
    in.textAlignment = c.alignment;
    in.rightToLeft = c.rightToLeft;
    in.popup = c.popup;
    in.frameKind = c.kind;
    in.textWidth = c.textWidth;
    const Rect r = PlaceTitleText(in);
    EXPECT_EQ(r, c.expected) << c.what << ": got " << r.left << "," << r.top << "," << r.right
                             << "," << r.bottom;
  }
}

TEST(PlaceTitleText, PopupWithLittleButtonSpaceIsNotClipped) {
  TitleTextInput in = Base();
  in.popup = true;
  in.textWidth = 300;
  in.rightButtonSpace = 5;
  EXPECT_EQ(PlaceTitleText(in).right, 340);
}

TEST(PlaceTitleText, NegativeHalvesRoundTowardZero) {
  TitleTextInput in = Base();
  in.title = Rect{0, 0, 50, 30};
  in.textWidth = 101; // plate 113 on a 50-pixel title: offset -63 / 2
  in.textAlignment = 1;
  in.textRightClip = 0;
  in.textShiftVert = -5; // -5 / 2
  EXPECT_EQ(PlaceTitleText(in), (Rect{-31, 6, 50, 20}));
}

TEST(PlaceTitleText, VerticalPlacement) {
  struct V {
    int textHeight, shiftVert, top;
  } const cases[] = {{14, 0, 8}, {15, 0, 7}, {14, 5, 10}, {14, -5, 6}, {40, 0, -5}};
  for (const V& v : cases) {
    TitleTextInput in = Base();
    in.textHeight = v.textHeight;
    in.textShiftVert = v.shiftVert;
    const Rect r = PlaceTitleText(in);
    EXPECT_EQ(r.top, v.top) << v.textHeight << " " << v.shiftVert;
    EXPECT_EQ(r.Height(), v.textHeight);
  }
}

TEST(PlaceTitleText, ClipBeyondTheTextGivesAnEmptyRectangleNotAnInvertedOne) {
  TitleTextInput in = Base();
  in.textRightClip = 500;
  const Rect r = PlaceTitleText(in);
  EXPECT_EQ(r, (Rect{28, 8, 28, 22}));
}

TEST(PlaceTitleText, ExtremeSkinValuesSaturate) {
  for (int v : {INT_MAX, INT_MIN}) {
    for (int align = 0; align <= 2; ++align)
      for (bool rtl : {false, true}) {
        TitleTextInput in = Base();
        in.textAlignment = align;
        in.rightToLeft = rtl;
        in.textWidth = in.textHeight = v;
        in.backLeft = in.backRight = v;
        in.textShift = in.textShiftVert = in.textRightClip = v;
        in.rightButtonSpace = v;
        in.title = Rect{v, v, v, v};
        const Rect r = PlaceTitleText(in);
        EXPECT_FALSE(r.Inverted()) << v << " " << align << " " << rtl;
      }
  }
}

} // namespace
} // namespace vcu

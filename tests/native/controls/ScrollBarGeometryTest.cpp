// The window-free rules of the skinned scroll bar: hit test, thumb drag, arrow and track
// sizes, thickness, frames, grip placement, the stand-alone bar's thumb, and the composition
// of the parts into one image.
#include <gtest/gtest.h>

#include "core/controls/ScrollBarComposer.h"
#include "core/controls/ScrollBarGeometry.h"

namespace vcu {
namespace {

TEST(ScrollPartAt, ArrowsThenThumbThenTrackEitherSide) {
  const ScrollSpan bar{200, 17, 60, 90};
  const struct {
    int p;
    ScrollPart part;
  } cases[] = {
      {-5, spFirstArrow},  {0, spFirstArrow},  {16, spFirstArrow},   {17, spTrackBefore}, {59, spTrackBefore},
      {60, spThumb},       {89, spThumb},      {90, spTrackAfter},   {182, spTrackAfter}, {183, spSecondArrow},
      {199, spSecondArrow}, {500, spSecondArrow},
  };
  for (const auto& c : cases) EXPECT_EQ(ScrollPartAt(bar, c.p), c.part) << "p " << c.p;
  // A thumb overlapping the arrow zone: the arrow is tested first.
  EXPECT_EQ(ScrollPartAt(ScrollSpan{40, 17, 10, 30}, 12), spFirstArrow);
}

TEST(DraggedThumb, FollowsThePointerAndStaysBetweenTheArrowsWithItsLength) {
  const ScrollSpan bar{200, 17, 60, 90}; // thumb 30 long: starts 17 .. 153
  const struct {
    int pressStart, move, start;
  } cases[] = {
      {60, 0, 60}, {60, 25, 85}, {60, -20, 40}, {60, -100, 17}, {60, 93, 153}, {60, 500, 153}, {17, -1, 17},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DraggedThumbStart(bar, c.pressStart, c.move), c.start) << c.pressStart << " moved " << c.move;
  // No room for the thumb: the first arrow's end wins over the upper bound.
  EXPECT_EQ(DraggedThumbStart(ScrollSpan{40, 17, 17, 30}, 20, 5), 17);
  // Extreme moves do not overflow.
  EXPECT_EQ(DraggedThumbStart(bar, 60, INT32_MAX), 153);
  EXPECT_EQ(DraggedThumbStart(bar, 60, INT32_MIN), 17);
}

TEST(ArrowsAndTrack, ShortBarsHalveTheArrowsAndTheTrackGoesBetweenFullArrows) {
  const struct {
    int length, arrow, drawnArrow, trackLength;
  } cases[] = {
      {40, 17, 17, 6},  // two full arrows and a 6-pixel track
      {34, 17, 17, 0},  // exactly two arrows, no track
      {33, 17, 16, -1}, // one pixel short: each arrow gets half
      {30, 17, 15, -4}, // 15 each, the track has no room
      {1, 17, 0, -33},
      {0, 17, 0, -34},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.length);
    EXPECT_EQ(ArrowLength(c.length, c.arrow), c.drawnArrow);
    ScrollBarLook look;
    look.length = c.length;
    look.breadth = 17;
    look.arrowSize = c.arrow;
    look.stripHeight = 17;
    const ScrollBarLayout layout = LayOutScrollBar(look);
    EXPECT_EQ(layout.firstArrow.box, (Rect{0, 0, 17, c.drawnArrow}));
    EXPECT_EQ(layout.secondArrow.box, (Rect{0, c.length - c.drawnArrow, 17, c.length}));
    EXPECT_EQ(layout.track.drawn, c.trackLength > 0);
    if (c.trackLength > 0) {
      EXPECT_EQ(layout.track.box, (Rect{0, 17, 17, 17 + c.trackLength}));
    }
  }
}

TEST(BarThickness, TheStripRulesUnlessItIsMoreThanTwoPixelsOffTheArrowSize) {
  const struct {
    int strip, arrow, thickness;
  } cases[] = {{17, 17, 17}, {19, 17, 19}, {15, 17, 15}, {20, 17, 17}, {14, 17, 17}, {30, 17, 17}, {17, 30, 30}};
  for (const auto& c : cases) EXPECT_EQ(BarThickness(c.strip, c.arrow), c.thickness) << c.strip << "/" << c.arrow;
  // The thickness is the box size across the bar, whatever the window's breadth.
  ScrollBarLook look;
  look.length = 100;
  look.breadth = 21;
  look.arrowSize = 17;
  look.stripHeight = 30;
  look.thumbStart = 20;
  look.thumbEnd = 60;
  const ScrollBarLayout layout = LayOutScrollBar(look);
  EXPECT_EQ(layout.thickness, 17);
  EXPECT_EQ(layout.track.box.Width(), 17);
  EXPECT_EQ(layout.thumb.box.Width(), 17);
}

TEST(ScrollFrames, StateShowsOnlyOnTheHotPart) {
  struct Case {
    bool vertical;
    int hot;
    bool pressed;
    int first, second, thumb, grip;
  };
  const Case cases[] = {
      {true, spNone, false, 9, 13, 1, 20},       {true, spFirstArrow, false, 12, 13, 1, 20},
      {true, spFirstArrow, true, 10, 13, 1, 20}, {true, spSecondArrow, false, 9, 16, 1, 20},
      {true, spSecondArrow, true, 9, 14, 1, 20}, {true, spThumb, false, 9, 13, 3, 22},
      {true, spThumb, true, 9, 13, 2, 21},       {true, spTrackBefore, true, 9, 13, 1, 20},
      {false, spNone, false, 1, 5, 1, 17},       {false, spFirstArrow, true, 2, 5, 1, 17},
      {false, spSecondArrow, false, 1, 8, 1, 17}, {false, spThumb, true, 1, 5, 2, 18},
      {false, spThumb, false, 1, 5, 3, 19},      {false, 8, true, 1, 5, 1, 17}, // end of scrolling
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.vertical ? "vertical" : "horizontal") << " hot " << c.hot << " pressed " << c.pressed);
    EXPECT_EQ(ArrowFrame(c.vertical, false, c.hot, c.pressed), c.first);
    EXPECT_EQ(ArrowFrame(c.vertical, true, c.hot, c.pressed), c.second);
    EXPECT_EQ(ThumbFrame(c.hot, c.pressed), c.thumb);
    EXPECT_EQ(GripFrame(c.vertical, c.hot, c.pressed), c.grip);
  }
  EXPECT_EQ(TrackFrame(true), 1);
  EXPECT_EQ(TrackFrame(false), 3);
}

ScrollBarLook VerticalLook(int length, int thumbStart, int thumbEnd) {
  ScrollBarLook look;
  look.length = length;
  look.breadth = 17;
  look.arrowSize = 17;
  look.stripHeight = 17;
  look.thumbStart = thumbStart;
  look.thumbEnd = thumbEnd;
  return look;
}

TEST(ThumbAndGrip, GripCentredInAThumbWithRoomAndBothInsideTheBar) {
  const struct {
    int start, end;
    bool thumbDrawn, gripDrawn;
    int gripStart;
  } cases[] = {
      {17, 67, true, true, 17 + (50 - 17) / 2}, // room: centred
      {17, 33, true, true, 17 + (16 - 17) / 2}, // 16 long: 17 < 18, the grip overhangs by one
      {17, 32, true, false, 0},                 // 15 long: no room for the grip
      {17, 25, true, false, 0},                 // the 8-pixel minimum thumb
      {150, 200, false, true, 166},             // the thumb reaches the bar's end; the grip is tested on its own box
      {150, 199, true, true, 150 + (49 - 17) / 2},
      {40, 40, false, false, 0}, // no thumb
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.start << ".." << c.end);
    const ScrollBarLayout layout = LayOutScrollBar(VerticalLook(200, c.start, c.end));
    EXPECT_EQ(layout.thumb.drawn, c.thumbDrawn);
    if (c.thumbDrawn) {
      EXPECT_EQ(layout.thumb.box, (Rect{0, c.start, 17, c.end}));
    }
    EXPECT_EQ(layout.grip.drawn, c.gripDrawn);
    if (c.gripDrawn) {
      EXPECT_EQ(layout.grip.box, (Rect{0, c.gripStart, 17, c.gripStart + 17}));
    }
  }
  // A disabled bar shows its track's disabled frame and no thumb.
  ScrollBarLook disabled = VerticalLook(200, 17, 67);
  disabled.enabled = false;
  const ScrollBarLayout layout = LayOutScrollBar(disabled);
  EXPECT_FALSE(layout.thumb.drawn);
  EXPECT_FALSE(layout.grip.drawn);
  EXPECT_EQ(layout.track.frame, 3);
}

TEST(HorizontalLayout, BoxesRunAlongX) {
  ScrollBarLook look = VerticalLook(120, 30, 70);
  look.vertical = false;
  look.hotPart = spSecondArrow;
  look.pressed = true;
  const ScrollBarLayout layout = LayOutScrollBar(look);
  EXPECT_EQ(layout.firstArrow.box, (Rect{0, 0, 17, 17}));
  EXPECT_EQ(layout.secondArrow.box, (Rect{103, 0, 120, 17}));
  EXPECT_EQ(layout.secondArrow.frame, 6);
  EXPECT_EQ(layout.track.box, (Rect{17, 0, 103, 17}));
  EXPECT_EQ(layout.thumb.box, (Rect{30, 0, 70, 17}));
  EXPECT_EQ(layout.grip.box, (Rect{41, 0, 58, 17}));
}

TEST(MulDivRounded, RoundsHalfAwayFromZeroAndFailsAsThePlatformDoes) {
  const struct {
    int a, b, c, result;
  } cases[] = {
      {166, 0, 100, 0},  {166, 10, 100, 17}, {5, 1, 2, 3},          {-5, 1, 2, -3},       {5, -1, 2, -3},
      {-5, -1, -2, -3},  {7, 3, 0, -1},      {INT32_MAX, 2, 1, -1}, {INT32_MAX, 2, 2, INT32_MAX}, {1, 1, 3, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(MulDivRounded(c.a, c.b, c.c), c.result) << c.a << "*" << c.b << "/" << c.c;
}

TEST(StandAloneThumb, FromScrollInformation) {
  struct Case {
    const char* what;
    int length, arrow;
    ScrollInfoValues info;
    bool minimum;
    int top, bottom;
  };
  const Case cases[] = {
      {"page 1 of 0-100: the 8-pixel minimum", 200, 17, {0, 100, 1, 0}, true, 17, 25},
      {"minimum thumb further on", 200, 17, {0, 100, 1, 50}, true, 17 + MulDivRounded(158, 50, 100), 17 + 79 + 8},
      {"page 11 of 0-100", 200, 17, {0, 100, 11, 0}, true, 17, 17 + 17},
      {"page 11, position 40", 200, 17, {0, 100, 11, 40}, true, 17 + 66, 17 + 66 + 17},
      {"no minimum at press time", 200, 17, {0, 100, 1, 0}, false, 17, 17},
      {"no page: an arrow long", 200, 17, {0, 100, 0, 50}, true, 17 + MulDivRounded(149, 50, 100), 17 + 75 + 17},
      {"no page, at the start", 200, 17, {10, 20, 0, 10}, true, 17, 34},
      {"empty range", 200, 17, {5, 5, 1, 6}, true, 17 + MulDivRounded(158, 1, 9999999), 17 + 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ThumbExtent t = ThumbFromScrollInfo(c.length, c.arrow, c.info, c.minimum);
    EXPECT_EQ(t.top, c.top);
    EXPECT_EQ(t.bottom, c.bottom);
  }
}

// The composition puts the face under everything and each part's image at its box, opaque
// or with magenta left out.
TEST(ComposeScrollBar, FaceThenPartsInOrderWithTheKeyColourSeeThrough) {
  const Pixel face = 0x102030, trackColour = 0x00AA00, arrowColour = 0x0000CC, thumbColour = 0xCC0000,
              magenta = 0xFF00FF;
  ScrollBarLook look = VerticalLook(60, 20, 40);
  look.breadth = 20; // wider than the 17-pixel thickness: face shows at the side
  look.stripHeight = 17;
  const ScrollBarLayout layout = LayOutScrollBar(look);
  Bitmap track(17, 26), arrow(17, 17), thumb(17, 20);
  track.Fill(trackColour);
  arrow.Fill(arrowColour);
  arrow.Set(8, 8, magenta); // a see-through pixel
  thumb.Fill(thumbColour);
  thumb.Set(0, 0, magenta); // left as is: the thumb is opaque here
  ScrollBarImages images;
  images.track = {&track, false};
  images.firstArrow = {&arrow, true};
  images.secondArrow = {&arrow, true};
  images.thumb = {&thumb, false};
  Bitmap canvas(20, 60);
  ComposeScrollBar(canvas, layout, images, face);
  EXPECT_EQ(canvas.At(18, 30), face);
  EXPECT_EQ(canvas.At(5, 5), arrowColour);
  EXPECT_EQ(canvas.At(8, 8), face); // see-through arrow pixel over the face
  EXPECT_EQ(canvas.At(8, 51), face);
  EXPECT_EQ(canvas.At(5, 18), trackColour);
  EXPECT_EQ(canvas.At(0, 20), magenta);
  EXPECT_EQ(canvas.At(5, 30), thumbColour);
  EXPECT_EQ(canvas.At(5, 42), trackColour);
  EXPECT_EQ(canvas.At(5, 50), arrowColour);
}

} // namespace
} // namespace vcu

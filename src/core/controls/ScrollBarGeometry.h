#pragma once
// The geometry of a skinned scroll bar laid over a native one: which part a point is over,
// where a dragged thumb goes, the arrows, track, thumb and grip boxes with the frame each
// shows, and the thumb of a stand-alone bar worked out from its scroll information. All
// lengths are pixels along the bar's axis unless a name says across.
#include <cstdint>

#include "core/image/Rect.h"

namespace vcu {

// The parts of a bar, numbered as the system's scroll codes name them.
enum ScrollPart : int {
  spNone = -1,
  spFirstArrow = 0, // up or left
  spSecondArrow = 1, // down or right
  spTrackBefore = 2,
  spTrackAfter = 3,
  spThumb = 5,
};

// A bar along its axis: its length, the arrow length and the thumb's extent.
struct ScrollSpan {
  int length = 0;
  int arrow = 0;
  int thumbStart = 0, thumbEnd = 0;
};

// The part under coordinate p along the axis: the arrows first, then the thumb and the track
// on either side of it.
ScrollPart ScrollPartAt(const ScrollSpan& bar, int p);

// The thumb start while it is dragged: where it was at the press, moved by how far the
// pointer went since, kept between the arrows with its length unchanged. On a bar too short
// for the thumb the first arrow's end wins.
int DraggedThumbStart(const ScrollSpan& bar, int pressThumbStart, int pointerMove);

// Each arrow's length: the arrow size, or half the bar when two would not fit.
int ArrowLength(int length, int arrow);

// The drawn thickness across the bar: the skin's strip height, unless it is more than 2
// pixels off the system's arrow size, which then rules.
int BarThickness(int stripHeight, int arrowSize);

// Frames (from 1) of the 23-frame scroll-bar strip and of the 4-frame track and the thumb.
int ArrowFrame(bool vertical, bool second, int hotPart, bool pressed);
int GripFrame(bool vertical, int hotPart, bool pressed);
int ThumbFrame(int hotPart, bool pressed);
int TrackFrame(bool enabled);

// What a bar shows, in the bar's own coordinates.
struct ScrollBarLook {
  bool vertical = true;
  int length = 0;      // along the axis
  int breadth = 0;     // across the axis
  int arrowSize = 0;   // the system's arrow size
  int stripHeight = 0; // the skin strip's height: thickness and grip size
  int thumbStart = 0, thumbEnd = 0;
  int hotPart = spNone;
  bool pressed = false;
  bool enabled = true;
};

struct ScrollPartBox {
  Rect box;
  int frame = 1;
  bool drawn = false;
};

struct ScrollBarLayout {
  int thickness = 0;
  ScrollPartBox track, firstArrow, secondArrow, thumb, grip;
};

// The boxes and frames of every part. The track lies between two full arrow sizes; the
// arrows may be shorter on a short bar. The thumb and its grip show only on an enabled bar
// and only when both their ends lie inside the bar.
ScrollBarLayout LayOutScrollBar(const ScrollBarLook& look);

// The platform's MulDiv: a * b / c rounded half away from zero, -1 when c is 0 or the result
// does not fit in 32 bits.
int MulDivRounded(int a, int b, int c);

// A stand-alone bar's scroll information.
struct ScrollInfoValues {
  int min = 0, max = 0;
  int page = 0;
  int position = 0;
};

struct ThumbExtent {
  int top = 0, bottom = 0;
};

// The thumb of a stand-alone bar of the given length and arrow size. An empty range counts as
// 9999999; with a page the thumb is page-proportional with an 8-pixel minimum (when
// minimumThumb); without one it is an arrow long.
ThumbExtent ThumbFromScrollInfo(int length, int arrow, const ScrollInfoValues& info, bool minimumThumb = true);

} // namespace vcu

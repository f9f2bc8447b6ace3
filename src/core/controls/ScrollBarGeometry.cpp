#include "core/controls/ScrollBarGeometry.h"

#include <algorithm>
#include <cstdlib>

namespace vcu {
namespace {

// A box along the axis from start, length long, and across from 0, breadth wide.
Rect AxisBox(bool vertical, int start, int length, int breadth) {
  return vertical ? RectOfSize(0, start, breadth, length) : RectOfSize(start, 0, length, breadth);
}

} // namespace

ScrollPart ScrollPartAt(const ScrollSpan& bar, int p) {
  if (p < bar.arrow) return spFirstArrow;
  if (p < bar.thumbStart) return spTrackBefore;
  if (p < bar.thumbEnd) return spThumb;
  if (p < bar.length - bar.arrow) return spTrackAfter;
  return spSecondArrow;
}

int DraggedThumbStart(const ScrollSpan& bar, int pressThumbStart, int pointerMove) {
  const std::int64_t thumb = std::int64_t{bar.thumbEnd} - bar.thumbStart;
  std::int64_t start = std::int64_t{pressThumbStart} + pointerMove;
  start = std::min(start, std::int64_t{bar.length} - bar.arrow - thumb);
  start = std::max(start, std::int64_t{bar.arrow});
  return SaturateToInt(start);
}

int ArrowLength(int length, int arrow) { return length < 2 * std::int64_t{arrow} ? length / 2 : arrow; }

int BarThickness(int stripHeight, int arrowSize) {
  return std::llabs(std::int64_t{stripHeight} - arrowSize) > 2 ? arrowSize : stripHeight;
}

// The strip's frames: left 1-4, right 5-8, up 9-12, down 13-16 (normal, pressed, disabled,
// hot); horizontal grip 17-19 and vertical grip 20-22 (normal, pressed, hot).
int ArrowFrame(bool vertical, bool second, int hotPart, bool pressed) {
  const int base = vertical ? (second ? 13 : 9) : (second ? 5 : 1);
  const int part = second ? spSecondArrow : spFirstArrow;
  return hotPart == part ? base + (pressed ? 1 : 3) : base;
}

int GripFrame(bool vertical, int hotPart, bool pressed) {
  const int base = vertical ? 20 : 17;
  return hotPart == spThumb ? base + (pressed ? 1 : 2) : base;
}

int ThumbFrame(int hotPart, bool pressed) { return hotPart == spThumb ? (pressed ? 2 : 3) : 1; }

int TrackFrame(bool enabled) { return enabled ? 1 : 3; }

ScrollBarLayout LayOutScrollBar(const ScrollBarLook& look) {
  ScrollBarLayout out;
  const bool v = look.vertical;
  const int th = BarThickness(look.stripHeight, look.arrowSize);
  out.thickness = th;

  // The track runs between two full arrow sizes even where the arrows are drawn shorter.
  const int trackLength = SaturateToInt(std::int64_t{look.length} - 2 * std::int64_t{look.arrowSize});
  out.track = {AxisBox(v, look.arrowSize, trackLength, th), TrackFrame(look.enabled), trackLength > 0 && th > 0};

  const int a = ArrowLength(look.length, look.arrowSize);
  out.firstArrow = {AxisBox(v, 0, a, th), ArrowFrame(v, false, look.hotPart, look.pressed), a > 0 && th > 0};
  out.secondArrow = {AxisBox(v, look.length - a, a, th), ArrowFrame(v, true, look.hotPart, look.pressed),
                     a > 0 && th > 0};

  const int thumbLength = SaturateToInt(std::int64_t{look.thumbEnd} - look.thumbStart);
  const auto inside = [&](int start, int end) { return start < look.length && end < look.length; };
  out.thumb.box = AxisBox(v, look.thumbStart, thumbLength, th);
  out.thumb.frame = ThumbFrame(look.hotPart, look.pressed);
  out.thumb.drawn = look.enabled && thumbLength > 0 && th > 0 && inside(look.thumbStart, look.thumbEnd);

  // The grip sits in the middle of a thumb that has room for it and a pixel on each side.
  const int g = look.stripHeight;
  out.grip.frame = GripFrame(v, look.hotPart, look.pressed);
  if (look.enabled && g > 0 && th > 0 && std::int64_t{g} < std::int64_t{thumbLength} + 2) {
    const int start = SaturateToInt(std::int64_t{look.thumbStart} + (std::int64_t{thumbLength} - g) / 2);
    out.grip.box = AxisBox(v, start, g, th);
    out.grip.drawn = inside(start, SaturateToInt(std::int64_t{start} + g));
  }
  return out;
}

int MulDivRounded(int a, int b, int c) {
  if (c == 0) return -1;
  std::int64_t product = std::int64_t{a} * b;
  std::int64_t divisor = c;
  const bool negative = (product < 0) != (divisor < 0);
  product = product < 0 ? -product : product;
  divisor = divisor < 0 ? -divisor : divisor;
  std::int64_t result = (product + divisor / 2) / divisor;
  if (negative) result = -result;
  if (result > INT32_MAX || result < INT32_MIN) return -1;
  return static_cast<int>(result);
}

ThumbExtent ThumbFromScrollInfo(int length, int arrow, const ScrollInfoValues& info, bool minimumThumb) {
  constexpr int kMinimumThumb = 8;
  constexpr int kEmptyRange = 9999999;
  const int range = info.max == info.min ? kEmptyRange : SaturateToInt(std::int64_t{info.max} - info.min);
  const int offset = SaturateToInt(std::int64_t{info.position} - info.min);
  const bool atStart = info.position == info.min;
  const int span = SaturateToInt(std::int64_t{length} - 2 * std::int64_t{arrow});
  int start, thumb;
  if (info.page != 0) {
    thumb = MulDivRounded(span, SaturateToInt(std::int64_t{info.page} - 1), range);
    if (thumb > kMinimumThumb - 1 || !minimumThumb) {
      start = atStart ? arrow : MulDivRounded(span, offset, range) + arrow;
    } else {
      thumb = kMinimumThumb;
      start = atStart ? arrow : MulDivRounded(SaturateToInt(std::int64_t{span} - kMinimumThumb), offset, range) + arrow;
    }
  } else {
    thumb = arrow;
    start = atStart ? arrow : MulDivRounded(SaturateToInt(std::int64_t{length} - 3 * std::int64_t{arrow}), offset, range) + arrow;
  }
  return {start, SaturateToInt(std::int64_t{start} + thumb)};
}

} // namespace vcu

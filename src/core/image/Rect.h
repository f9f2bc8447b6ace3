#pragma once
// Rectangles and slice margins in pixels, laid out like the platform's RECT: the right and
// bottom edges are exclusive. Sizes and sums come from skin files, so the arithmetic here
// saturates at the ends of int instead of overflowing.
#include <climits>
#include <cstdint>

namespace vcu {

// v brought into the range of int.
constexpr int SaturateToInt(std::int64_t v) {
  return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : static_cast<int>(v);
}

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;

  int Width() const { return SaturateToInt(std::int64_t{right} - left); }
  int Height() const { return SaturateToInt(std::int64_t{bottom} - top); }
  // Right of left or below top: a rectangle that nothing is drawn into.
  bool Inverted() const { return right < left || bottom < top; }
  // No pixel inside: zero or negative width or height.
  bool Empty() const { return right <= left || bottom <= top; }
  bool operator==(const Rect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
  bool operator!=(const Rect& o) const { return !(*this == o); }
};

inline Rect RectOfSize(int x, int y, int width, int height) {
  return Rect{x, y, SaturateToInt(std::int64_t{x} + width), SaturateToInt(std::int64_t{y} + height)};
}

// The common part of two rectangles: the one clip of every drawing routine. It is never
// inverted: when the two do not overlap, the result keeps the larger left and top and has
// zero width or height, so a loop over it runs no times.
Rect Intersect(const Rect& a, const Rect& b);

// The widths of the four slices that cut a frame into corners, edges and centre.
struct Margins {
  int left = 0, top = 0, right = 0, bottom = 0;
};

} // namespace vcu

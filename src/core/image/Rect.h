#pragma once
// Rectangles and slice margins in pixels, laid out like the platform's RECT: the right and
// bottom edges are exclusive.

namespace vcu {

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
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
  return Rect{x, y, x + width, y + height};
}

// The common part of two rectangles; Empty() when they do not overlap.
Rect Intersect(const Rect& a, const Rect& b);

// The widths of the four slices that cut a frame into corners, edges and centre.
struct Margins {
  int left = 0, top = 0, right = 0, bottom = 0;
};

} // namespace vcu

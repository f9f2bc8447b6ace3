#include "core/image/Blit.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vcu {
namespace {

// The destination indices 0 <= i < length along one axis whose pixel start + i lies inside
// 0..limit-1. Computed in 64 bits: start and length may be anything a caller passes.
struct Span {
  int begin = 0, end = 0;
};
Span VisibleSpan(int start, int length, int limit) {
  const std::int64_t begin = std::max<std::int64_t>(0, -std::int64_t{start});
  const std::int64_t end = std::min<std::int64_t>(length, std::int64_t{limit} - start);
  return end > begin ? Span{static_cast<int>(begin), static_cast<int>(end)} : Span{};
}

// For the visible destination positions along one axis (visible.begin + k), the source
// position each takes, or -1 where that lies outside the source bitmap. Only the visible part
// is held, so a destination far larger than the target costs no memory.
struct AxisMap {
  int begin = 0;
  std::vector<int> source;
  void Put(int d, std::int64_t s, int sourceSize) {
    source[static_cast<std::size_t>(d - begin)] =
        s >= 0 && s < sourceSize ? static_cast<int>(s) : -1;
  }
};

AxisMap EmptyMap(Span visible) {
  AxisMap map{visible.begin, {}};
  map.source.assign(static_cast<std::size_t>(visible.end - visible.begin), -1);
  return map;
}

// Which source pixel of a group a shrinking copy keeps: GDI keeps the last pixel of each
// group of columns and the first of each group of rows.
enum class Keep { Last, First };

// GDI's colour-on-colour stretch walks the longer side with an error term (Bresenham). When
// enlarging, each destination pixel takes the current source pixel and the source advances
// when the error turns positive. When shrinking, the source pixels fall into one group per
// destination pixel, the destination advancing when the error turns positive, and one pixel
// of each group is kept; a single destination pixel's group ends at the last but one source
// pixel. This is StretchBlt's behaviour under Wine, against which the Windows tests compare
// every size pair up to 40 on both axes; Windows documents only that COLORONCOLOR deletes
// the surplus lines.
//
// The walk's error term stays in (-2 x longer side, 0] after every step, which gives where
// it stands after k steps in closed form; so only the visible positions are computed. The
// products stay below 2^63: both sides are below 2^31 and positions below 2^31.
AxisMap StretchAxis(int to, int from, int fromStart, int sourceSize, Keep keep, Span visible) {
  AxisMap map = EmptyMap(visible);
  const std::int64_t t = to, f = from;
  // Shrinking: the first source pixel of destination d's group.
  auto groupStart = [&](std::int64_t d) {
    const std::int64_t n = 2 * f * d + 1 - t;
    return n <= 0 ? std::int64_t{0} : (n + 2 * t - 1) / (2 * t);
  };
  for (int d = visible.begin; d < visible.end; ++d) {
    std::int64_t s;
    if (to >= from)
      s = (f * (2 * std::int64_t{d} + 1) - 1) / (2 * t);
    else if (to == 1)
      s = keep == Keep::Last ? f - 2 : 0;
    else if (keep == Keep::First)
      s = groupStart(d);
    else
      s = std::min(groupStart(d + 1) - 1, f - 1);
    map.Put(d, fromStart + s, sourceSize);
  }
  return map;
}

AxisMap TileAxis(int piece, int pieceStart, int sourceSize, Span visible) {
  AxisMap map = EmptyMap(visible);
  for (int d = visible.begin; d < visible.end; ++d)
    map.Put(d, std::int64_t{pieceStart} + d % piece, sourceSize);
  return map;
}

// Writes target(x0 + i, y0 + j) = source(xs(i), ys(j)) for the mapped positions whose source
// indices are valid; the maps hold only positions inside the target.
void Remap(Bitmap& target, int x0, int y0, const Bitmap& source, const AxisMap& xs,
           const AxisMap& ys) {
  const int w = static_cast<int>(xs.source.size()), h = static_cast<int>(ys.source.size());
  if (w == 0)
    return;
  for (int j = 0; j < h; ++j) {
    if (ys.source[j] < 0)
      continue;
    const Pixel* from = source.Row(ys.source[j]);
    Pixel* to = target.Row(y0 + ys.begin + j) + (x0 + xs.begin);
    for (int i = 0; i < w; ++i)
      if (xs.source[i] >= 0)
        to[i] = from[xs.source[i]];
  }
}

} // namespace

void FillRect(Bitmap& target, const Rect& rect, Pixel colour) {
  const Rect r = Intersect(rect, target.Bounds());
  for (int y = r.top; y < r.bottom; ++y)
    std::fill(target.Row(y) + r.left, target.Row(y) + r.right, colour);
}

void StretchCopy(Bitmap& target, const Rect& to, const Bitmap& source, const Rect& from) {
  if (to.Empty() || from.Empty())
    return;
  if (to.Width() == from.Width() && to.Height() == from.Height()) {
    CopyPixels(target, to.left, to.top, source, from);
    return;
  }
  // Each visible pixel takes the source pixel of its place in the whole stretch, so clipping
  // never shifts which source pixels the visible ones take.
  Remap(target, to.left, to.top, source,
        StretchAxis(to.Width(), from.Width(), from.left, source.Width(), Keep::Last,
                    VisibleSpan(to.left, to.Width(), target.Width())),
        StretchAxis(to.Height(), from.Height(), from.top, source.Height(), Keep::First,
                    VisibleSpan(to.top, to.Height(), target.Height())));
}

void CopyPixels(Bitmap& target, int x, int y, const Bitmap& source, const Rect& from) {
  // Clip the source rectangle to the source bitmap, then the part of it that lands inside
  // the target; each cut moves the other side by the same amount.
  const Rect s = Intersect(from, source.Bounds());
  if (s.Empty())
    return;
  const int dx = SaturateToInt(std::int64_t{x} + s.left - from.left);
  const int dy = SaturateToInt(std::int64_t{y} + s.top - from.top);
  const Span across = VisibleSpan(dx, s.Width(), target.Width());
  const Span down = VisibleSpan(dy, s.Height(), target.Height());
  const int w = across.end - across.begin;
  for (int j = down.begin; j < down.end; ++j)
    std::copy_n(source.Row(s.top + j) + s.left + across.begin, w,
                target.Row(dy + j) + dx + across.begin);
}

void TileRect(Bitmap& canvas, const Rect& dest, const Bitmap& bitmap, const Rect& source) {
  const int w = source.Width(), h = source.Height();
  if (w <= 0 || h <= 0 || dest.Empty())
    return;
  // Whole pieces: the area covered runs past dest up to the end of the last piece.
  const int across = SaturateToInt((std::int64_t{dest.Width()} + w - 1) / w * w);
  const int down = SaturateToInt((std::int64_t{dest.Height()} + h - 1) / h * h);
  Remap(canvas, dest.left, dest.top, bitmap,
        TileAxis(w, source.left, bitmap.Width(), VisibleSpan(dest.left, across, canvas.Width())),
        TileAxis(h, source.top, bitmap.Height(), VisibleSpan(dest.top, down, canvas.Height())));
}

} // namespace vcu


#include "core/image/Blit.h"

#include <algorithm>
#include <vector>

namespace vcu {
namespace {

// For each destination position along one axis, the source position it takes, or -1 where
// that lies outside the source bitmap.
using AxisMap = std::vector<int>;

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
AxisMap StretchAxis(int to, int from, int fromStart, int sourceSize, Keep keep) {
  AxisMap map(static_cast<std::size_t>(to));
  if (to >= from) {
    long long err = static_cast<long long>(from) - 2LL * to;
    for (int d = 0, s = 0; d < to; ++d) {
      map[d] = s;
      err += 2LL * from;
      if (err > 0) {
        ++s;
        err -= 2LL * to;
      }
    }
  } else if (to == 1) {
    map[0] = keep == Keep::Last ? from - 2 : 0;
  } else {
    long long err = static_cast<long long>(to) - 2LL * from;
    bool groupStart = true;
    for (int s = 0, d = 0; s < from && d < to; ++s) {
      if (keep == Keep::Last || groupStart)
        map[d] = s;
      groupStart = false;
      err += 2LL * to;
      if (err > 0) {
        ++d;
        err -= 2LL * from;
        groupStart = true;
      }
    }
  }
  for (int& s : map) {
    s += fromStart;
    if (s < 0 || s >= sourceSize)
      s = -1;
  }
  return map;
}

AxisMap TileAxis(int to, int piece, int pieceStart, int sourceSize) {
  AxisMap map(static_cast<std::size_t>(to));
  for (int d = 0, s = 0; d < to; ++d) {
    const int at = pieceStart + s;
    map[d] = at >= 0 && at < sourceSize ? at : -1;
    if (++s == piece)
      s = 0;
  }
  return map;
}

// Writes target(x0 + i, y0 + j) = source(xs[i], ys[j]) wherever both indices are valid and
// the destination lies in the target.
void Remap(Bitmap& target, int x0, int y0, const Bitmap& source, const AxisMap& xs,
           const AxisMap& ys) {
  const int w = static_cast<int>(xs.size()), h = static_cast<int>(ys.size());
  const int iBegin = std::max(0, -x0), iEnd = std::min(w, target.Width() - x0);
  const int jBegin = std::max(0, -y0), jEnd = std::min(h, target.Height() - y0);
  for (int j = jBegin; j < jEnd; ++j) {
    if (ys[j] < 0)
      continue;
    const Pixel* from = source.Row(ys[j]);
    Pixel* to = target.Row(y0 + j) + x0;
    for (int i = iBegin; i < iEnd; ++i)
      if (xs[i] >= 0)
        to[i] = from[xs[i]];
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
  // Destination pixels outside the target are still walked, so clipping never shifts which
  // source pixels the visible ones take.
  Remap(target, to.left, to.top, source,
        StretchAxis(to.Width(), from.Width(), from.left, source.Width(), Keep::Last),
        StretchAxis(to.Height(), from.Height(), from.top, source.Height(), Keep::First));
}

void CopyPixels(Bitmap& target, int x, int y, const Bitmap& source, const Rect& from) {
  // Clip the source rectangle to the source bitmap, then the destination to the target;
  // each cut moves the other side by the same amount.
  Rect s = Intersect(from, source.Bounds());
  int dx = x + (s.left - from.left), dy = y + (s.top - from.top);
  const int cutLeft = std::max(0, -dx), cutTop = std::max(0, -dy);
  s.left += cutLeft;
  s.top += cutTop;
  dx += cutLeft;
  dy += cutTop;
  const int w = std::min(s.Width(), target.Width() - dx);
  const int h = std::min(s.Height(), target.Height() - dy);
  if (w <= 0)
    return;
  for (int j = 0; j < h; ++j)
    std::copy_n(source.Row(s.top + j) + s.left, w, target.Row(dy + j) + dx);
}

void TileRect(Bitmap& canvas, const Rect& dest, const Bitmap& bitmap, const Rect& source) {
  const int w = source.Width(), h = source.Height();
  if (w <= 0 || h <= 0 || dest.Empty())
    return;
  // Whole pieces: the area covered runs past dest up to the end of the last piece.
  const long long across = (static_cast<long long>(dest.Width()) + w - 1) / w * w;
  const long long down = (static_cast<long long>(dest.Height()) + h - 1) / h * h;
  const int spanX = static_cast<int>(std::min<long long>(across, canvas.Width() - dest.left));
  const int spanY = static_cast<int>(std::min<long long>(down, canvas.Height() - dest.top));
  if (spanX <= 0 || spanY <= 0)
    return;
  Remap(canvas, dest.left, dest.top, bitmap, TileAxis(spanX, w, source.left, bitmap.Width()),
        TileAxis(spanY, h, source.top, bitmap.Height()));
}

} // namespace vcu


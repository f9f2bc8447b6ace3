#include "core/form/FrameComposer.h"

#include <cstdint>

#include "core/image/Colour.h"
#include "core/image/RegionRuns.h"
#include "core/image/Slicing.h"

namespace vcu {
namespace {

// The four border rectangles of a width x height window. The sides run the full height; the
// top and bottom lie between them.
struct BorderRects {
  Rect left, right, top, bottom;
};

BorderRects BorderRectsOf(const BorderSizes& b, int width, int height) {
  const int innerRight = SaturateToInt(std::int64_t{width} - b.right);
  const int innerBottom = SaturateToInt(std::int64_t{height} - b.bottom);
  return {Rect{0, 0, b.left, height}, Rect{innerRight, 0, width, height},
          Rect{b.left, 0, innerRight, b.top}, Rect{b.left, innerBottom, innerRight, height}};
}

// A border's centre is stretched only when its "Stretch" key (held in Tile) is 1.
bool TilesCentre(const TDataSkinBorder& border) { return border.Tile != 1; }

// Whether a rendering of rect's size can be made; a border larger than a bitmap may be, which
// only a skin with absurd sizes asks for, is drawn as nothing or kept as a plain rectangle.
bool Renderable(const Rect& rect) {
  const std::int64_t w = rect.Width(), h = rect.Height();
  return w > 0 && h > 0 && w <= kMaxBitmapSide && h <= kMaxBitmapSide &&
         w * h <= kMaxBitmapPixels;
}

// One border sliced to rect. Left and right strips hold their frames side by side, top and
// bottom strips one above the other.
PlacedImage BorderImage(const TDataSkinBorder& border, const Rect& rect, int frame, bool stacked) {
  return SlicedFrameImage(rect, border.Bitmap, border.Margins(), frame, border.Frame,
                          TilesCentre(border), stacked);
}

void AddIfNotEmpty(std::vector<Rect>& runs, const Rect& r) {
  if (!r.Empty()) runs.push_back(r);
}

// Joins each run of runs[from..] to the run right above it when both span the same columns,
// so a straight border edge becomes one rectangle rather than one per row. The runs come row
// by row from the top, left to right within a row, one pixel high.
void MergeRows(std::vector<Rect>& runs, std::size_t from) {
  std::vector<Rect> merged;
  std::vector<std::size_t> open, next; // merged rectangles reaching the current row, by left
  std::size_t i = from;
  while (i < runs.size()) {
    const int y = runs[i].top;
    next.clear();
    std::size_t k = 0;
    for (; i < runs.size() && runs[i].top == y; ++i) {
      const Rect& run = runs[i];
      while (k < open.size() && merged[open[k]].left < run.left) ++k;
      if (k < open.size()) {
        Rect& above = merged[open[k]];
        if (above.left == run.left && above.right == run.right && above.bottom == y) {
          above.bottom = run.bottom;
          next.push_back(open[k++]);
          continue;
        }
      }
      next.push_back(merged.size());
      merged.push_back(run);
    }
    open.swap(next);
  }
  runs.resize(from);
  runs.insert(runs.end(), merged.begin(), merged.end());
}

// A border's part of the region: the opaque runs of its rendering when it is keyed and big
// enough to render, else its whole rectangle.
void AddBorderRegion(std::vector<Rect>& runs, const TDataSkinBorder& border, const Rect& rect,
                     bool stacked, bool keyed) {
  if (keyed && border.Trans == 1 && Renderable(rect)) {
    const PlacedImage placed = BorderImage(border, rect, 1, stacked);
    static const KeyRange key = MakeKeyRange(kKeyColour, 1, 1, 1);
    const std::size_t from = runs.size();
    CollectOpaqueRuns(placed.image, placed.x, placed.y, key, runs);
    MergeRows(runs, from);
    return;
  }
  AddIfNotEmpty(runs, rect);
}

// Borders wider than the window reach outside it; the region keeps only what lies inside.
void ClipToWindow(std::vector<Rect>& runs, int width, int height) {
  const Rect window{0, 0, width, height};
  std::size_t kept = 0;
  for (const Rect& r : runs) {
    const Rect inside = Intersect(r, window);
    if (!inside.Empty()) runs[kept++] = inside;
  }
  runs.resize(kept);
}

} // namespace

void ComposeBorders(Bitmap& canvas, const TSkinElements& skin, const BorderSizes& b, bool active) {
  const BorderRects r = BorderRectsOf(b, canvas.Width(), canvas.Height());
  struct Part {
    const TDataSkinBorder& border;
    const Rect& rect;
    bool stacked;
  };
  // The order of the window painter: sides, bottom, then the title strip.
  const Part parts[] = {{skin.LeftBorder, r.left, false},
                        {skin.RightBorder, r.right, false},
                        {skin.BottomBorder, r.bottom, true},
                        {skin.TopBorder, r.top, true}};
  for (const Part& p : parts) {
    if (!Renderable(p.rect) || p.border.Bitmap.Empty()) continue;
    DrawPlaced(canvas,
               BorderImage(p.border, p.rect, BorderFrameIndex(active, p.border.Frame), p.stacked),
               false);
  }
}

bool FrameIsShaped(const TSkinElements& skin) {
  return skin.LeftBorder.Trans != 0 || skin.RightBorder.Trans != 0 || skin.TopBorder.Trans != 0 ||
         skin.BottomBorder.Trans != 0;
}

std::vector<Rect> FrameRegionRuns(const TSkinElements& skin, const BorderSizes& b, int width,
                                  int height, FrameKind kind) {
  std::vector<Rect> runs;
  if (width <= 0 || height <= 0) return runs;
  if (!FrameIsShaped(skin)) {
    runs.push_back(Rect{0, 0, width, height});
    return runs;
  }
  const BorderRects r = BorderRectsOf(b, width, height);
  AddIfNotEmpty(runs, Rect{b.left, b.top, r.right.left, r.bottom.top});
  if (kind == fkNoCaption) {
    ClipToWindow(runs, width, height);
    return runs;
  }
  // Strips too thin to slice stay whole rectangles.
  AddBorderRegion(runs, skin.LeftBorder, r.left, false, height > 1);
  AddBorderRegion(runs, skin.RightBorder, r.right, false, height > 1);
  AddBorderRegion(runs, skin.BottomBorder, r.bottom, true, b.bottom >= 2);
  AddBorderRegion(runs, skin.TopBorder, r.top, true, b.top > 1);
  ClipToWindow(runs, width, height);
  return runs;
}

} // namespace vcu

#include "skin/data/BitmapRegion.h"

#include <algorithm>
#include <vector>

#include "core/image/RegionRuns.h"
#include "skin/data/WinRect.h"

namespace vcu {
namespace {

// Regions are built from at most this many rectangles at a time and OR-combined.
constexpr std::size_t kBatch = 2000;

// Builds a region of count rectangles in the reusable buffer.
HRGN RegionOfRects(const Rect* rects, std::size_t count, std::vector<unsigned char>& buffer) {
  buffer.assign(sizeof(RGNDATAHEADER) + count * sizeof(RECT), 0);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(count);
  data->rdh.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
  RECT bound{0, 0, 0, 0};
  RECT* out = reinterpret_cast<RECT*>(data->Buffer);
  for (std::size_t i = 0; i < count; ++i) {
    out[i] = ToRECT(rects[i]);
    if (i == 0) {
      bound = out[i];
    } else {
      bound.left = std::min(bound.left, out[i].left);
      bound.top = std::min(bound.top, out[i].top);
      bound.right = std::max(bound.right, out[i].right);
      bound.bottom = std::max(bound.bottom, out[i].bottom);
    }
  }
  data->rdh.rcBound = bound;
  if (count == 0)
    return CreateRectRgn(0, 0, 0, 0);
  return ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data);
}

} // namespace

HRGN RegionFromBitmap(Bitmap& bitmap, int dx, int dy, Colour key, int redTolerance,
                      int greenTolerance, int blueTolerance) {
  bitmap.SetFormat(PixelFormat::Bits32);
  std::vector<Rect> runs;
  CollectOpaqueRuns(bitmap, dx, dy, MakeKeyRange(key, redTolerance, greenTolerance, blueTolerance),
                    runs);
  return RegionFromRuns(runs);
}

HRGN RegionFromRuns(const std::vector<Rect>& runs) {
  HRGN result = CreateRectRgn(0, 0, 0, 0);
  if (!result)
    return nullptr;
  std::vector<unsigned char> buffer;
  // Every full batch, then the rest (even when empty).
  std::size_t at = 0;
  for (bool last = false; !last; at += kBatch) {
    const std::size_t count = std::min(kBatch, runs.size() - at);
    last = count < kBatch;
    HRGN part = RegionOfRects(runs.data() + at, count, buffer);
    if (!part) {
      DeleteObject(result);
      return nullptr;
    }
    CombineRgn(result, result, part, RGN_OR);
    DeleteObject(part);
  }
  return result;
}

} // namespace vcu

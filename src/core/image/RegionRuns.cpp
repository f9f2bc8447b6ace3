#include "core/image/RegionRuns.h"

#include <algorithm>
#include <cstdint>

namespace vcu {
namespace {

unsigned RangeEnd(unsigned low, int tolerance) {
  return static_cast<unsigned>(std::min(255, static_cast<int>(low) + tolerance));
}

// A pixel position moved by an offset, held within int.
int Shift(int at, int offset) { return SaturateToInt(std::int64_t{at} + offset); }

} // namespace

KeyRange MakeKeyRange(Colour key, int redTolerance, int greenTolerance, int blueTolerance) {
  const Rgb c = ResolveColour(key);
  return KeyRange{RedOf(c),   RangeEnd(RedOf(c), redTolerance),
                  GreenOf(c), RangeEnd(GreenOf(c), greenTolerance),
                  BlueOf(c),  RangeEnd(BlueOf(c), blueTolerance)};
}

void CollectOpaqueRuns(const Bitmap& bitmap, int dx, int dy, const KeyRange& key,
                       std::vector<Rect>& runs) {
  const int width = bitmap.Width();
  for (int y = 0; y < bitmap.Height(); ++y) {
    const Pixel* row = bitmap.Row(y);
    int x = 0;
    while (x < width) {
      while (x < width && key.Contains(row[x]))
        ++x;
      const int start = x;
      while (x < width && !key.Contains(row[x]))
        ++x;
      if (x > start)
        runs.push_back(Rect{Shift(start, dx), Shift(y, dy), Shift(x, dx), Shift(y + 1, dy)});
    }
  }
}

} // namespace vcu

#pragma once
// Shared ground of the scroll-bar overlay tests: a bar as the skin's elements make it, worked
// out from the elements themselves, to compare with what the screen shows.
#include "core/image/Bitmap.h"
#include "skin/data/WinSkinData.h"

namespace vcu::test {

// The frames shown on the arrows, the thumb and its grip: a vertical bar's by default.
struct PartFrames {
  int first = 9, second = 13, thumb = 1, grip = 20;
};
constexpr PartFrames kHorizontalFrames{1, 5, 1, 17};

// A bar of the given size: face colour, the track between the arrows (its disabled frame on a
// disabled bar), the arrows from the strip, the thumb at the given extent and its grip in the
// middle (neither on a disabled bar). Lengths run along the bar's axis.
Bitmap SkinnedBar(const TSkinData& skin, bool vertical, int width, int height, int arrow, int thumbStart,
                  int thumbEnd, bool enabled, PartFrames frames);

} // namespace vcu::test

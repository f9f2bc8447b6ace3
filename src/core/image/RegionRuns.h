#pragma once
// The opaque runs of a bitmap: the rectangles whose union is the window region of a
// non-rectangular frame.
#include <vector>

#include "core/image/Bitmap.h"
#include "core/image/Colour.h"

namespace vcu {

// A pixel is a key pixel when each channel lies between the key's value and that value plus
// its tolerance (capped at 255), both ends included.
struct KeyRange {
  unsigned redLow, redHigh, greenLow, greenHigh, blueLow, blueHigh;
  bool Contains(Pixel p) const {
    const unsigned r = PixelRed(p), g = PixelGreen(p), b = PixelBlue(p);
    return r >= redLow && r <= redHigh && g >= greenLow && g <= greenHigh && b >= blueLow &&
           b <= blueHigh;
  }
};
KeyRange MakeKeyRange(Colour key, int redTolerance, int greenTolerance, int blueTolerance);

// Appends, row by row from the top, one 1-pixel-high rectangle per run of non-key pixels,
// shifted by (dx, dy).
void CollectOpaqueRuns(const Bitmap& bitmap, int dx, int dy, const KeyRange& key,
                       std::vector<Rect>& runs);

} // namespace vcu

#pragma once
// Window regions from the opaque pixels of a bitmap (non-rectangular window frames).
#include <vector>

#include <windows.h>

#include "core/image/Bitmap.h"
#include "core/image/Colour.h"

namespace vcu {

// The union of the bitmap's non-key pixels shifted by (dx, dy); a pixel is a key pixel when
// each channel lies from the key's value to that value plus its tolerance. The bitmap's
// format becomes 32 bits. The region belongs to the caller; null if GDI refuses one.
HRGN RegionFromBitmap(Bitmap& bitmap, int dx, int dy, Colour key, int redTolerance,
                      int greenTolerance, int blueTolerance);

// The union of the rectangles; null if GDI refuses one. The region belongs to the caller.
HRGN RegionFromRuns(const std::vector<Rect>& runs);

} // namespace vcu

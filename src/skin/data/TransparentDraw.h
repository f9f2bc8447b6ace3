#pragma once
// Drawing a bitmap onto a device context with a transparency key.
#include <windows.h>

#include "core/image/Bitmap.h"
#include "core/image/Colour.h"

namespace vcu {

// Copies the bitmap's pixels from its top-left corner, unscaled, to rect's top-left corner
// over rect's width and height (no further than the bitmap reaches), except pixels equal to
// the key, where the destination stays. An inverted rectangle draws nothing.
void DrawTransparent(HDC dc, const RECT& rect, const Bitmap& bitmap, Colour key);

} // namespace vcu

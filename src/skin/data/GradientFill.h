#pragma once
// The ramp fill of a rectangle on a device context.
#include <windows.h>

#include "core/image/Colour.h"

namespace vcu {

// Paints the ramp from start to end across rect: one solid 1-pixel band per line (rows when
// vertical, else columns), only for the lines inside the context's clip box, each in the
// colour the whole rectangle's ramp gives it. Nothing when no part of rect is visible.
void FillGradientRect(HDC dc, const RECT& rect, Colour start, bool vertical, Colour end);

} // namespace vcu

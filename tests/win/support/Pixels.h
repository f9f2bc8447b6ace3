#pragma once
// Pixels read back from device contexts and windows, compared and classified. Text is drawn
// with whatever font the machine has, smoothed or not, so text checks count pixels by what
// they look like (clearly of one hue, or not background) rather than by exact colour.
#include <functional>
#include <string>

#include <windows.h>

#include "core/image/Bitmap.h"

namespace vcu::test {

// The colours of an area of a device context, read with one block copy (0x00RRGGBB).
Bitmap ReadPixels(HDC dc, const RECT& area);
// The same for an area of a window's client area.
Bitmap ReadClientPixels(HWND window, const RECT& area);

// The first pixel where two bitmaps differ in colour, as "x,y: 0x... vs 0x...", or "" when
// they agree (sizes included).
std::string FirstDifference(const Bitmap& a, const Bitmap& b);

int CountPixels(const Bitmap& image, const std::function<bool(Pixel)>& counted);

enum class Hue { Red, Green, Blue };
// The hue's channel stands clearly above both others: a glyph pixel of that colour, at full
// strength or smoothed into a light background.
bool ClearlyOf(Hue hue, Pixel p);
// Clearly darker than the background in every channel: a dark glyph pixel.
bool ClearlyDarkerThan(Pixel background, Pixel p);

Pixel PixelOf(COLORREF colour);

} // namespace vcu::test

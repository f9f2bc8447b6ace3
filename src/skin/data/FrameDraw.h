#pragma once
// Frame drawing on a device context: the compositions of core/image/Slicing.h put down
// opaquely or with the magenta transparency key. Frames are counted from 1; an inverted
// rectangle draws nothing.
#include <windows.h>

#include "core/image/Slicing.h"

namespace vcu {

// Draws a composed image at its place.
void DrawPlaced(HDC dc, const PlacedImage& placed, bool transparent);

// Frame index of count, sliced to rect by the margins (tiled centre when tile is set; frames
// stacked when vertical).
void DrawSlicedFrame(HDC dc, const RECT& rect, const Bitmap& bitmap, const Margins& margins,
                     int index, int count, bool transparent, bool tile, bool vertical);
// Frame index of a horizontal strip stretched whole to rect.
void DrawStretchedFrame(HDC dc, const RECT& rect, const Bitmap& bitmap, int index, int count,
                        bool transparent);
// Frame index of a horizontal strip at natural size, centred on rect.
void DrawCentredFrame(HDC dc, const RECT& rect, const Bitmap& bitmap, int index, int count,
                      bool transparent);
// Left part, repeated middle, right part (margins.left and margins.right wide).
void DrawThreePartRow(HDC dc, const RECT& rect, const Bitmap& bitmap, const Margins& margins,
                      int index, int count, bool transparent, bool vertical);
// Repeats the source piece of the bitmap over dest, unscaled, from dest's top-left corner;
// the last column and row are not cut at dest's right and bottom edges.
void TileRect(HDC dc, const RECT& dest, const Bitmap& bitmap, const RECT& source);

} // namespace vcu

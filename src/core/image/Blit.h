#pragma once
// Copies between bitmaps: fills, stretching copies and tiling. Destinations are clipped to
// the target bitmap and source pixels outside the source bitmap are never read (their
// destination pixels are left as they were).
#include "core/image/Bitmap.h"

namespace vcu {

void FillRect(Bitmap& target, const Rect& rect, Pixel colour);

// Copies the source rectangle of source into the destination rectangle of target, scaled
// colour-on-colour (each destination pixel takes one source pixel, no blending), picking the
// same pixels as GDI's StretchBlt in COLORONCOLOR mode. Equal sizes make a plain copy; an
// empty rectangle copies nothing.
void StretchCopy(Bitmap& target, const Rect& to, const Bitmap& source, const Rect& from);

// Unscaled copy of the source rectangle with its top-left corner at (x, y).
void CopyPixels(Bitmap& target, int x, int y, const Bitmap& source, const Rect& from);

// Repeats the source rectangle unscaled from dest's top-left corner, in steps of its width
// and height while inside dest; the last column and row are not cut at dest's right and
// bottom edges (only at the target's). An empty source piece draws nothing.
void TileRect(Bitmap& canvas, const Rect& dest, const Bitmap& bitmap, const Rect& source);

} // namespace vcu

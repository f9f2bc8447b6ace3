#pragma once
// Whole-bitmap pixel operations that prepare skin bitmaps: grey, key colour replacement,
// mirror, flip and quarter turns. An empty bitmap is left unchanged by all of them.
#include "core/image/Bitmap.h"
#include "core/image/Colour.h"

namespace vcu {

constexpr Pixel PixelFromRgb(Rgb c) { return MakePixel(RedOf(c), GreenOf(c), BlueOf(c)); }
constexpr Rgb RgbFromPixel(Pixel p) { return MakeRgb(PixelRed(p), PixelGreen(p), PixelBlue(p)); }

// Format becomes 24 bits; every pixel becomes grey (red + green + blue) div 3.
void MakeGrayscale(Bitmap& bitmap);
// Format becomes 24 bits; pure magenta pixels take the colour (a system colour is looked up).
void ReplaceKeyColour(Bitmap& bitmap, Colour colour);
// Left-right mirror image.
void MirrorBitmap(Bitmap& bitmap);
// Top-bottom mirror image.
void FlipBitmap(Bitmap& bitmap);
// Quarter turn counter-clockwise: the old top edge becomes the left edge. Sides swap.
void RotateBitmapLeft(Bitmap& bitmap);
// The source turned a quarter counter-clockwise into target, which must already be the
// source's height wide and its width high (otherwise nothing is written): no new pixels.
void RotateLeftInto(Bitmap& target, const Bitmap& source);
// Quarter turn clockwise: the old top edge becomes the right edge. Sides swap.
void RotateBitmapRight(Bitmap& bitmap);

} // namespace vcu

#pragma once
// The frame drawing rules worked out independently of the code under test: every piece is
// cut and placed by the test from the slicing, tiling and centring rules and copied with the
// platform's own StretchBlt (colour on colour), and key-coloured pixels are skipped pixel by
// pixel. What the drawing routines leave on a device context must equal this.
#include "core/image/Bitmap.h"

namespace vcu::reference {

// The place of frame index (from 1) among count frames side by side, or stacked.
Rect FrameOf(const Bitmap& strip, int index, int count, bool vertical);

// The platform's stretching copy of a piece of the source into a piece of the target.
void CopyPiece(Bitmap& target, const Rect& to, const Bitmap& source, const Rect& from);

// The piece repeated unscaled from dest's top-left corner while it starts inside dest.
void Tile(Bitmap& target, const Rect& dest, const Bitmap& source, const Rect& piece);

Bitmap Sliced(int width, int height, const Bitmap& strip, const Margins& margins, int index, int count, bool tile,
              bool vertical);
Bitmap Stretched(int width, int height, const Bitmap& strip, int index, int count);
Bitmap ThreePartRow(int width, int height, const Bitmap& strip, const Margins& margins, int index, int count,
                    bool vertical);
// Frame index at its natural size.
Bitmap Frame(const Bitmap& strip, int index, int count);

// The image put down on the canvas at (x, y), clipped to the canvas; with transparent set,
// magenta pixels leave the canvas as it was.
void PutDown(Bitmap& canvas, const Bitmap& image, int x, int y, bool transparent);

} // namespace vcu::reference

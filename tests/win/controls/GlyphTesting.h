#pragma once
// Shared ground of the bit-button and speed-button tests: glyph strips of solid cells and the
// core's composition of a glyph button (Buttons frame, glyph cell) to compare the screen with.
#include <windows.h>

#include "core/controls/GlyphLayout.h"
#include "core/image/Bitmap.h"
#include "skin/data/WinSkinData.h"

namespace vcu::test {

// A glyph of `cells` cells of size x size, cell i (from 0) solid CellColour(i) with its
// bottom-left pixel the see-through ground and one more ground pixel in its middle.
Bitmap GlyphStrip(int cells, int size);
Pixel CellColour(int cell);
constexpr Pixel kGlyphGround = MakePixel(128, 128, 0);

// The Buttons frame (or only the face colour when drawFrame is false) with the glyph cell
// at (x, y), grey when asked: what a glyph button without caption shows.
Bitmap ComposedGlyphButton(const TSkinData& skin, int frame, int width, int height, const Bitmap& glyph, int cell,
                           int cellWidth, int x, int y, bool grey, bool drawFrame = true);

// Copies rect of `from` into `into`: a caption's box left out of a comparison.
void Overlay(Bitmap& into, const Bitmap& from, const RECT& rect);

} // namespace vcu::test

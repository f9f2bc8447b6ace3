#include "GlyphTesting.h"

#include "ButtonTesting.h"
#include "core/image/Blit.h"

namespace vcu::test {

Pixel CellColour(int cell) { return MakePixel(40 + 60 * cell, 200 - 50 * cell, 30 + 40 * cell); }

Bitmap GlyphStrip(int cells, int size) {
  Bitmap glyph(cells * size, size, PixelFormat::Bits24);
  for (int cell = 0; cell < cells; ++cell) {
    FillRect(glyph, RectOfSize(cell * size, 0, size, size), CellColour(cell));
    glyph.Set(cell * size, size - 1, kGlyphGround);
    glyph.Set(cell * size + size / 2, size / 2, kGlyphGround);
  }
  return glyph;
}

Bitmap ComposedGlyphButton(const TSkinData& skin, int frame, int width, int height, const Bitmap& glyph, int cell,
                           int cellWidth, int x, int y, bool grey, bool drawFrame) {
  Bitmap canvas = drawFrame ? ComposedButtonFrame(skin, frame, width, height) : Bitmap(width, height, PixelFormat::Bits32);
  if (!drawFrame) canvas.Fill(PixelOfColour(skin.ColourButtonFace));
  ComposeGlyphCell(canvas, x, y, glyph, cell, cellWidth, grey);
  return canvas;
}

void Overlay(Bitmap& into, const Bitmap& from, const RECT& rect) {
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x)
      if (x >= 0 && y >= 0 && x < into.Width() && y < into.Height() && x < from.Width() && y < from.Height())
        into.Set(x, y, from.At(x, y));
}

} // namespace vcu::test

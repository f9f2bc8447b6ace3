#include "core/controls/GlyphLayout.h"

#include <algorithm>
#include <cstdint>

#include "core/controls/ButtonRules.h"
#include "core/text/AsciiText.h"

namespace vcu {

GlyphSide GlyphSideOf(const std::string& layoutName) {
  const std::string lower = AsciiLower(layoutName);
  if (lower == "blglyphright") return GlyphSide::Right;
  if (lower == "blglyphtop") return GlyphSide::Top;
  if (lower == "blglyphbottom") return GlyphSide::Bottom;
  return GlyphSide::Left;
}

GlyphPlacement PlaceGlyphAndText(const GlyphLayoutInput& in) {
  GlyphPlacement out;
  const bool across = Horizontal(in.side);
  // Across the axis both are centred, rounding up.
  if (across) {
    out.glyphY = (in.height - in.glyphHeight + 1) / 2;
    out.textY = (in.height - in.textHeight + 1) / 2;
  } else {
    out.glyphX = (in.width - in.glyphWidth + 1) / 2;
    out.textX = (in.width - in.textWidth + 1) / 2;
  }
  const int extent = across ? in.width : in.height;
  const int glyph = across ? in.glyphWidth : in.glyphHeight;
  const int text = across ? in.textWidth : in.textHeight;
  int margin = in.margin;
  int spacing = (in.textWidth == 0 || in.glyphWidth == 0) ? 0 : in.spacing;
  if (margin == -1 || (in.centredAlignment && !in.speedButton)) {
    if (spacing == -1) {
      margin = (extent - (glyph + text)) / 3;
      spacing = margin;
    } else {
      margin = (extent - (glyph + spacing + text)) / 2 + (in.speedButton ? 1 : 0);
    }
  } else if (spacing == -1) {
    spacing = ((extent - margin - glyph) - text) / 2;
  }
  int glyphAt = 0, textAt = 0;
  switch (in.side) {
  case GlyphSide::Left:
  case GlyphSide::Top:
    glyphAt = margin;
    textAt = margin + glyph + spacing;
    break;
  case GlyphSide::Right:
  case GlyphSide::Bottom:
    glyphAt = extent - margin - glyph;
    textAt = glyphAt - spacing - text;
    break;
  }
  if (across) {
    out.glyphX = glyphAt;
    out.textX = textAt;
    out.align = in.side == GlyphSide::Right ? CaptionAlign::Right : CaptionAlign::Left;
  } else {
    out.glyphY = glyphAt;
    out.textY = textAt;
    out.align = CaptionAlign::Centre;
  }
  return out;
}

Rect CaptionMeasureBox(int width, int height, int glyphWidth, int glyphHeight, GlyphSide side) {
  Rect box{2, 2, width - 2, height - 2};
  if (Horizontal(side)) box.right -= glyphWidth + 2;
  else box.bottom -= glyphHeight + 2;
  return box;
}

int GlyphNumberOfFrame(int frame, bool down) {
  if (down) return 4;
  if (frame == bfPressed) return 3;
  if (frame == bfDisabled) return 2;
  return 1;
}

int GlyphCell(int glyphNumber, int numGlyphs) {
  if (numGlyphs < 1) numGlyphs = 1;
  return glyphNumber >= 1 && glyphNumber <= numGlyphs ? glyphNumber - 1 : 0;
}

namespace {

Pixel Grey(Pixel p) {
  const unsigned level = (PixelRed(p) + PixelGreen(p) + PixelBlue(p)) / 3;
  return MakePixel(level, level, level);
}

} // namespace

void ComposeGlyphCell(Bitmap& target, int x, int y, const Bitmap& glyph, int cell, int cellWidth, bool grey) {
  if (glyph.Empty() || target.Empty() || cell < 0 || cellWidth <= 0) return;
  const std::int64_t cellLeft = std::int64_t{cell} * cellWidth;
  if (cellLeft + cellWidth > glyph.Width()) return;
  const int left = static_cast<int>(cellLeft);
  const int height = glyph.Height();
  Pixel key = glyph.At(left, height - 1);
  if (grey) key = Grey(key);
  // Only the part of the cell that lands on the target is visited.
  const std::int64_t fromX = std::max<std::int64_t>(0, -std::int64_t{x});
  const std::int64_t fromY = std::max<std::int64_t>(0, -std::int64_t{y});
  const std::int64_t toX = std::min<std::int64_t>(cellWidth, std::int64_t{target.Width()} - x);
  const std::int64_t toY = std::min<std::int64_t>(height, std::int64_t{target.Height()} - y);
  for (std::int64_t row = fromY; row < toY; ++row) {
    const Pixel* source = glyph.Row(static_cast<int>(row)) + left;
    Pixel* dest = target.Row(static_cast<int>(y + row));
    for (std::int64_t col = fromX; col < toX; ++col) {
      const Pixel p = grey ? Grey(source[col]) : source[col];
      if (p != key) dest[x + col] = p;
    }
  }
}

int SpeedButtonFrame(bool down, bool enabled, bool pressed, bool hot) {
  if (down) return bfPressed;
  if (!enabled) return bfDisabled;
  if (pressed) return bfPressed;
  if (hot) return bfHot;
  return bfNormal;
}

bool SpeedButtonDrawsFrame(bool flat, int frame) { return !flat || frame == bfPressed || frame == bfHot; }

int MenuButtonFrame(bool enabled, bool pressed, bool hot, bool focused) {
  if (!enabled) return bfDisabled;
  if (pressed) return bfPressed;
  if (focused || hot) return bfHot;
  return bfNormal;
}

ArrowPoints MenuButtonArrow(int width, int height) {
  const int middle = height / 2;
  return ArrowPoints{{width - 12, width - 15, width - 9}, {middle + 2, middle - 1, middle - 1}};
}

void MenuButtonTextAt(int width, int height, int textWidth, int textHeight, int& x, int& y) {
  x = (width - 17 - textWidth) / 2 + 2;
  y = (height - textHeight + 1) / 2;
}

} // namespace vcu

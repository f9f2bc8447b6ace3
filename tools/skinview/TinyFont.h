#pragma once
// A small 5 x 7 bitmap font for the sheet's labels: capitals, digits and the punctuation the
// labels use. Lower-case letters are drawn as capitals; other characters as a box.
#include <string>

#include "core/image/Bitmap.h"

namespace vcu::skinview {

constexpr int kGlyphWidth = 5, kGlyphHeight = 7, kGlyphAdvance = 6, kLineHeight = 10;

// Draws text with its top-left corner at (x, y), each font pixel scale x scale pixels;
// pixels outside the bitmap are skipped.
void DrawLabel(Bitmap& target, int x, int y, const std::string& text, Pixel colour, int scale = 1);

inline int LabelWidth(const std::string& text, int scale = 1) {
  return static_cast<int>(text.size()) * kGlyphAdvance * scale;
}

} // namespace vcu::skinview

#pragma once
// Puts a scroll bar together from its parts' images: the face colour under everything, then
// the track, the two arrows, the thumb and its grip, each already fitted to its box.
#include "core/controls/ScrollBarGeometry.h"
#include "core/image/Bitmap.h"

namespace vcu {

// One part's image (null: the part is left out) and whether its magenta pixels are skipped.
struct ScrollPartImage {
  const Bitmap* image = nullptr;
  bool transparent = false;
};

struct ScrollBarImages {
  ScrollPartImage track, firstArrow, secondArrow, thumb, grip;
};

// Composes the bar into canvas (the bar's own coordinates): face everywhere, then each part
// the layout draws, at its box, clipped to the canvas.
void ComposeScrollBar(Bitmap& canvas, const ScrollBarLayout& layout, const ScrollBarImages& images, Pixel face);

} // namespace vcu

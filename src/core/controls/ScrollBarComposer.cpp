#include "core/controls/ScrollBarComposer.h"

#include "core/image/Blit.h"
#include "core/image/Colour.h"
#include "core/image/Transparency.h"

namespace vcu {
namespace {

void Place(Bitmap& canvas, const ScrollPartBox& part, const ScrollPartImage& piece) {
  if (!part.drawn || !piece.image || piece.image->Empty()) return;
  if (piece.transparent) DrawTransparent(canvas, part.box, *piece.image, kKeyColour);
  else CopyPixels(canvas, part.box.left, part.box.top, *piece.image, piece.image->Bounds());
}

} // namespace

void ComposeScrollBar(Bitmap& canvas, const ScrollBarLayout& layout, const ScrollBarImages& images, Pixel face) {
  canvas.Fill(face);
  Place(canvas, layout.track, images.track);
  Place(canvas, layout.firstArrow, images.firstArrow);
  Place(canvas, layout.secondArrow, images.secondArrow);
  Place(canvas, layout.thumb, images.thumb);
  Place(canvas, layout.grip, images.grip);
}

} // namespace vcu

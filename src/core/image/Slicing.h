#pragma once
// Frame composition: picking one state frame out of a strip and fitting it to a rectangle,
// sliced by four margins (corners kept, edges and centre stretched or tiled), stretched whole,
// centred, or as a three-part row. Each composition gives a new image and the place where it
// goes; the canvas (a bitmap here, a device context in the Windows layer) then draws it,
// opaquely or with the transparency key.
#include "core/image/Bitmap.h"

namespace vcu {

// The rectangle of frame index (from 1) among count equal frames side by side, or stacked
// when vertical. An index or count out of range is brought to the nearest frame.
Rect FrameRect(const Bitmap& bitmap, int index, int count, bool vertical);

// The frame sliced to rect's size; corners and edges whose margins do not fit are dropped
// pairwise (left with right, top with bottom). The centre is stretched, or tiled when tile is
// set. The result belongs to the caller and is empty when rect has no area.
Bitmap BuildSlicedBitmap(const Rect& rect, const Bitmap& bitmap, const Margins& margins,
                         int index, int count, bool tile, bool vertical);

// A composed image and where its top-left corner goes. Composed images are temporaries, drawn
// and dropped: their pixels are on the heap whatever the process's pixel allocator.
struct PlacedImage {
  Bitmap image;
  int x = 0, y = 0;
};

// The compositions of the frame drawing routines; an inverted rect gives an empty image.
// The sliced frame, at rect.
PlacedImage SlicedFrameImage(const Rect& rect, const Bitmap& bitmap, const Margins& margins,
                             int index, int count, bool tile, bool vertical);
// Frame index of a horizontal strip stretched whole to rect.
PlacedImage StretchedFrameImage(const Rect& rect, const Bitmap& bitmap, int index, int count);
// Frame index of a horizontal strip at natural size, centred on rect (an oversized frame
// overhangs on both sides).
PlacedImage CentredFrameImage(const Rect& rect, const Bitmap& bitmap, int index, int count);
// Left and right parts of the frame (margins.left and margins.right columns) at the ends,
// the middle repeated between them, each stretched to rect's height.
PlacedImage ThreePartRowImage(const Rect& rect, const Bitmap& bitmap, const Margins& margins,
                              int index, int count, bool vertical);

// Draws a placed image into a bitmap canvas, opaquely or skipping magenta pixels.
void DrawPlaced(Bitmap& canvas, const PlacedImage& placed, bool transparent);

} // namespace vcu

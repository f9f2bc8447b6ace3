#pragma once
// The skinned non-client frame composed in memory: the four borders drawn into one
// window-sized bitmap so the Windows side copies it with one blit, and the opaque rectangles
// of the window region of a shaped frame.
#include <vector>

#include "core/elements/ElementSlots.h"
#include "core/form/FrameGeometry.h"
#include "core/image/Bitmap.h"

namespace vcu {

// Draws the left (0, 0, left, h), right (w - right, 0, w, h), bottom (left, h - bottom,
// w - right, h) and top (left, 0, w - right, top) borders into the window-sized canvas, each
// sliced with its margins from frame BorderFrameIndex(active, its frame count), opaque. The
// client area is left as it was.
void ComposeBorders(Bitmap& canvas, const TSkinElements& skin, const BorderSizes& b, bool active);

// Whether the window needs a region: any border has a non-zero Trans.
bool FrameIsShaped(const TSkinElements& skin);

// The rectangles whose union is the window region of a width x height window: the whole
// window when the frame is not shaped; otherwise the inner rectangle and, except for a frame
// without caption, each border's opaque runs (magenta keyed, tolerance 1) when its Trans is 1
// and it is large enough to render, else its rectangle. Empty rectangles are left out.
std::vector<Rect> FrameRegionRuns(const TSkinElements& skin, const BorderSizes& b, int width,
                                  int height, FrameKind kind);

} // namespace vcu

#pragma once
// Header-control rules that need no window: the frame of an item, the alignment code of its
// format, where its image and text go in the cell, and which item the mouse makes hot.
#include <vector>

#include "core/image/Rect.h"

namespace vcu {

// The platform's header format bits that choose the alignment.
constexpr int kHeaderFormatRight = 1, kHeaderFormatCentre = 2;

// Frame of the Headerbar frames, from 1: hot 2, else 1 (also the bar right of the last item).
int HeaderItemFrame(bool hot);
// Alignment code of an item's format: 2 right, 1 centre, 0 left.
int HeaderAlignment(int format);
// Whether the item's image is drawn: an index, an image list, and an image narrower than the
// cell.
bool HeaderImageUsed(int imageIndex, bool hasImageList, int imageWidth, int cellWidth);

struct HeaderCellLayout {
  int imageX = 0, imageY = 0; // where the image goes (when used)
  Rect text;                  // the text's rectangle, limited to the cell's left and right
};
// The layout of a cell of width by height: alignment code, the image's size (width 0 when no
// image is drawn) and the measured text's size.
HeaderCellLayout LayoutHeaderCell(int width, int height, int alignment, int imageWidth, int imageHeight,
                                  int textWidth, int textHeight);

// An item's hot-tracking area: its rectangle 3 pixels in from the left and the right.
Rect HotTrackArea(const Rect& item);
// The item the mouse at (x, y) makes hot: the first area holding the point that is not the
// hot item already; -1 when there is none (the hot item stays as it is).
int NewHotItem(const std::vector<Rect>& areas, int hotItem, int x, int y);

} // namespace vcu

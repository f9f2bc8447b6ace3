#pragma once
// Progress bar: how much of the bar is filled, and the bar's picture composed lying down (a
// vertical bar is composed with its sides swapped and turned a quarter left at the end, so it
// fills from the bottom). Two looks: a two-frame strip (trough, filled bar) sliced to size, or
// a one-frame trough with the filled part made of chunks.
#include "core/controls/TrackBarGeometry.h"
#include "core/image/Bitmap.h"

namespace vcu {

class TDataSkinObject;

// The filled width: width * position / upper rounded like the platform's MulDiv; none unless
// both position and upper are above 0; never past the width.
int ProgressFilledWidth(int width, int position, int upper);

// The size the picture is composed at: a vertical bar's sides swapped.
struct WorkSize {
  int width = 0, height = 0;
};
WorkSize ProgressWorkSize(int width, int height, bool vertical);

// One frame (index of count side by side) of the bitmap into rect as three stretched pieces:
// left margin columns, middle, right margin columns, each to the rect's full height; a rect
// narrower than the frame takes the whole frame stretched (one piece, the others empty).
ChannelLayout ThreePartStretch(const Rect& rect, const Bitmap& bitmap, int count, int index, int leftWidth,
                               int rightWidth);

// Where the tiled chunk look puts its chunks: copy i at x = i * chunkWidth within a strip of
// the filled width, for i = 0 .. filled / chunkWidth; the strip goes at (left + 2, offset).
int ChunkCopies(int filled, int chunkWidth);

// The whole bar composed into work (already sized to the work size): fill with face, the
// trough (the element's first frame sliced to the work size), then the filled part: the bar
// (the second frame sliced to the filled width) when not empty, else the chunks of chunk when
// given. Every image is drawn with magenta see-through.
void ComposeProgress(Bitmap& work, const Bitmap& trough, const Bitmap& bar, const TDataSkinObject* chunk, int filled,
                     Pixel face);

} // namespace vcu

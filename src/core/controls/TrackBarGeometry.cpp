#include "core/controls/TrackBarGeometry.h"

#include <algorithm>

#include "core/image/Blit.h"

namespace vcu {

ChannelLayout LayOutChannel(const Rect& channel, int width, int height, int startCap, int endCap, bool vertical) {
  ChannelLayout layout{};
  width = std::max(width, 0);
  height = std::max(height, 0);
  // Across the run: the image's own thickness, centred when thinner than the channel.
  const int thickness = vertical ? width : height;
  const int room = vertical ? channel.Width() : channel.Height();
  const int offset = thickness < room ? (room - thickness) / 2 : 0;
  const int length = vertical ? height : width;
  const int start = std::clamp(startCap, 0, length), end = std::clamp(endCap, 0, length - start);
  const int runStart = vertical ? channel.top : channel.left, runEnd = vertical ? channel.bottom : channel.right;
  // Pieces along the run, as (image from, image to, target from, target to).
  const int along[3][4] = {{0, start, runStart, runStart + start},
                           {start, length - end, runStart + start, runEnd - end},
                           {length - end, length, runEnd - end, runEnd}};
  const int across = (vertical ? channel.left : channel.top) + offset;
  for (int i = 0; i < 3; ++i) {
    const int* a = along[i];
    BlitPiece& piece = layout.pieces[i];
    if (vertical) {
      piece.from = Rect{0, a[0], width, a[1]};
      piece.to = Rect{across, a[2], across + width, a[3]};
    } else {
      piece.from = Rect{a[0], 0, a[1], height};
      piece.to = Rect{a[2], across, a[3], across + height};
    }
  }
  layout.bounds = vertical ? Rect{across, runStart, across + width, runEnd} : Rect{runStart, across, runEnd, across + height};
  return layout;
}

void ComposeChannel(Bitmap& target, const ChannelLayout& layout, const Bitmap& image) {
  for (const BlitPiece& piece : layout.pieces)
    if (!piece.to.Empty() && !piece.from.Empty()) StretchCopy(target, piece.to, image, piece.from);
}

} // namespace vcu

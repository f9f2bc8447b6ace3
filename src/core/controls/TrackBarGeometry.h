#pragma once
// Track-bar channel: the skin's channel image laid into the native channel rectangle as three
// block transfers (two unscaled ends and a stretched middle), across for a horizontal bar and
// down for a vertical one, at the image's own thickness and centred when thinner than the
// channel.
#include "core/image/Bitmap.h"

namespace vcu {

struct BlitPiece {
  Rect from; // in the image
  Rect to;   // in the target
};

struct ChannelLayout {
  BlitPiece pieces[3]; // start end, middle, far end
  Rect bounds;         // what the three cover together
};

// channel: the native channel rectangle; the image is width x height; startCap and endCap are
// LeftWidth and RightWidth (across) or TopHeight and BottomHeight (down).
ChannelLayout LayOutChannel(const Rect& channel, int width, int height, int startCap, int endCap, bool vertical);

// The three pieces drawn into target, each scaled colour-on-colour.
void ComposeChannel(Bitmap& target, const ChannelLayout& layout, const Bitmap& image);

// The thumb frame of the skin's five-frame thumb strips.
constexpr int kThumbFrame = 2;
constexpr int kThumbFrames = 5;

} // namespace vcu

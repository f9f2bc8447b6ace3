#include "ScrollTesting.h"

#include <cstdlib>

#include "core/image/Blit.h"
#include "core/image/PixelOps.h"
#include "core/image/Slicing.h"
#include "core/image/Transparency.h"

namespace vcu::test {
namespace {

constexpr int kStripFrames = 23;

void Put(Bitmap& canvas, int x, int y, const Bitmap& image, bool transparent) {
  if (transparent) DrawTransparent(canvas, RectOfSize(x, y, image.Width(), image.Height()), image, kKeyColour);
  else CopyPixels(canvas, x, y, image, image.Bounds());
}

} // namespace

// A bar of the given size as the skin's elements make it, worked out here from the elements
// themselves: face colour, the track between the arrows (its disabled frame on a disabled
// bar), the arrows from the strip, the thumb at the given extent and its grip in the middle
// (neither on a disabled bar). Lengths run along the bar's axis.
Bitmap SkinnedBar(const TSkinData& skin, bool vertical, int width, int height, int arrow, int thumbStart,
                  int thumbEnd, bool enabled, PartFrames frames) {
  Bitmap bar(width, height, PixelFormat::Bits32, &AllocateHeapPixels);
  bar.Fill(PixelFromRgb(ResolveColour(skin.ColourButtonFace)));
  const TDataSkinObject& strip = *skin.Scrollbar;
  const int g = strip.Bitmap.Height();
  const int th = std::abs(g - arrow) > 2 ? arrow : g;
  const int length = vertical ? height : width;
  // A box size long and th across, and an image put at start along the axis.
  const auto box = [&](int size) { return vertical ? Rect{0, 0, th, size} : Rect{0, 0, size, th}; };
  const auto at = [&](int start, const Bitmap& image, bool transparent) {
    Put(bar, vertical ? 0 : start, vertical ? start : 0, image, transparent);
  };
  const TDataSkinObject& track = vertical ? *skin.VertScroll : *skin.HorzScroll;
  if (length - 2 * arrow > 0)
    at(arrow,
       BuildSlicedBitmap(box(length - 2 * arrow), track.Bitmap, track.Margins(), enabled ? 1 : 3, 4,
                         track.Tile != 0, false),
       track.Trans == 1);
  const int a = length < 2 * arrow ? length / 2 : arrow;
  at(0, StretchedFrameImage(box(a), strip.Bitmap, frames.first, kStripFrames).image, true);
  at(length - a, StretchedFrameImage(box(a), strip.Bitmap, frames.second, kStripFrames).image, true);
  const int thumbLength = thumbEnd - thumbStart;
  if (enabled && thumbLength > 0 && thumbEnd < length) {
    const TDataSkinObject& thumb = vertical ? *skin.VertScrollThumb : *skin.HorzScrollThumb;
    at(thumbStart,
       BuildSlicedBitmap(box(thumbLength), thumb.Bitmap, thumb.Margins(), frames.thumb, thumb.Frame, false, false),
       thumb.Trans == 1);
    if (g < thumbLength + 2)
      at(thumbStart + (thumbLength - g) / 2, StretchedFrameImage(box(g), strip.Bitmap, frames.grip, kStripFrames).image,
         true);
  }
  return bar;
}

} // namespace vcu::test

#include "core/menus/MenuComposer.h"

#include <algorithm>

#include "core/image/Blit.h"
#include "core/image/PixelOps.h"
#include "core/image/Slicing.h"

namespace vcu {
namespace {

constexpr int kItemFrames = 5;

const Pixel kKey = PixelFromRgb(kKeyColour);

// Copies from into target at to, stretched, leaving magenta source pixels out.
void KeyedStretch(Bitmap& target, const Rect& to, const Bitmap& source, const Rect& from) {
  if (to.Empty() || from.Empty()) return;
  const Rect clipped = Intersect(to, target.Bounds());
  for (int y = clipped.top; y < clipped.bottom; ++y) {
    const int sy = from.top + static_cast<int>(static_cast<std::int64_t>(y - to.top) * from.Height() / to.Height());
    if (sy < 0 || sy >= source.Height()) continue;
    const Pixel* src = source.Row(sy);
    Pixel* dst = target.Row(y);
    for (int x = clipped.left; x < clipped.right; ++x) {
      const int sx = from.left + static_cast<int>(static_cast<std::int64_t>(x - to.left) * from.Width() / to.Width());
      if (sx < 0 || sx >= source.Width()) continue;
      if ((src[sx] & 0xFFFFFF) != kKey) dst[x] = src[sx];
    }
  }
}

} // namespace

void ComposeMenuBarBackground(Bitmap& canvas, const Rect& bar, const TSkinElements& skin, bool active) {
  if (bar.Empty()) return;
  const TDataSkinObject* element = skin.MenuBar.get();
  if (!element || element->Bitmap.Empty()) {
    FillRect(canvas, bar, PixelFromRgb(ResolveColour(skin.ColourMenubar)));
    return;
  }
  const int frame = active ? 1 : 2;
  if (element->Tile == 1)
    DrawPlaced(canvas, SlicedFrameImage(bar, element->Bitmap, element->Margins(), frame, 2, false, true), false);
  else
    DrawPlaced(canvas,
               ThreePartRowImage(bar, element->Bitmap, Margins{element->LeftWidth, 0, element->RightWidth, 0}, frame, 2, true),
               false);
}

bool HasMenuBackground(const TSkinElements& skin) {
  return skin.MenuBackground && !skin.MenuBackground->Bitmap.Empty();
}

void ComposeMenuBackground(Bitmap& target, const TDataSkinObject& element) {
  if (target.Empty() || element.Bitmap.Empty()) return;
  DrawPlaced(target, SlicedFrameImage(target.Bounds(), element.Bitmap, element.Margins(), 1, 1, element.Tile != 0, false),
             false);
}

void ComposeMenuItemGround(Bitmap& target, const Bitmap* popupBackground, const Rect& item, Colour menuColour) {
  if (!popupBackground || popupBackground->Empty()) {
    target.Fill(PixelFromRgb(ResolveColour(menuColour)));
    return;
  }
  // Whatever the background does not cover (an item reaching past it) is the menu colour.
  target.Fill(PixelFromRgb(ResolveColour(menuColour)));
  const Rect from = RectOfSize(item.left, item.top, target.Width(), target.Height());
  const Rect inside = Intersect(from, popupBackground->Bounds());
  CopyPixels(target, inside.left - from.left, inside.top - from.top, *popupBackground, inside);
}

void ComposeMenuItemFrame(Bitmap& target, const TDataSkinObject& element, bool selected) {
  if (element.Bitmap.Empty() || target.Empty()) return;
  DrawPlaced(target,
             SlicedFrameImage(target.Bounds(), element.Bitmap, element.Margins(), selected ? 4 : 1, kItemFrames,
                              element.Tile != 0, false),
             element.Trans != 0);
}

void ComposeMenuSeparator(Bitmap& target, const TDataSkinObject& element) {
  if (element.Bitmap.Empty() || target.Empty()) return;
  Rect f = FrameRect(element.Bitmap, 2, kItemFrames, false);
  if (f.Height() > target.Height()) f.top = f.bottom - target.Height();
  const int W = target.Width();
  int L = std::max(0, element.LeftWidth), R = std::max(0, element.RightWidth);
  if (std::int64_t{L} + R > f.Width() || std::int64_t{L} + R > W) L = R = 0;
  const int rows = f.Height();
  KeyedStretch(target, Rect{0, 0, L, rows}, element.Bitmap, Rect{f.left, f.top, f.left + L, f.bottom});
  KeyedStretch(target, Rect{W - R, 0, W, rows}, element.Bitmap, Rect{f.right - R, f.top, f.right, f.bottom});
  KeyedStretch(target, Rect{L, 0, W - R, rows}, element.Bitmap, Rect{f.left + L, f.top, f.right - R, f.bottom});
}

} // namespace vcu

#include "core/controls/ProgressGeometry.h"

#include <algorithm>
#include <cstdint>

#include "core/elements/SkinElements.h"
#include "core/image/Blit.h"
#include "core/image/Slicing.h"
#include "core/image/Transparency.h"

namespace vcu {

int ProgressFilledWidth(int width, int position, int upper) {
  if (position <= 0 || upper <= 0 || width <= 0) return 0;
  // MulDiv: the exact product, rounded half away from zero.
  const std::int64_t filled = (std::int64_t{width} * position + upper / 2) / upper;
  return static_cast<int>(std::min<std::int64_t>(filled, width));
}

WorkSize ProgressWorkSize(int width, int height, bool vertical) {
  return vertical ? WorkSize{height, width} : WorkSize{width, height};
}

ChannelLayout ThreePartStretch(const Rect& rect, const Bitmap& bitmap, int count, int index, int leftWidth,
                               int rightWidth) {
  ChannelLayout layout{};
  layout.bounds = rect;
  const Rect frame = FrameRect(bitmap, index, count, false);
  const int fw = frame.Width();
  if (rect.Width() < fw) {
    layout.pieces[0] = BlitPiece{frame, rect};
    return layout;
  }
  const int l = std::clamp(leftWidth, 0, fw), r = std::clamp(rightWidth, 0, fw - l);
  layout.pieces[0] = BlitPiece{Rect{frame.left, frame.top, frame.left + l, frame.bottom},
                               Rect{rect.left, rect.top, rect.left + l, rect.bottom}};
  layout.pieces[1] = BlitPiece{Rect{frame.left + l, frame.top, frame.right - r, frame.bottom},
                               Rect{rect.left + l, rect.top, rect.right - r, rect.bottom}};
  layout.pieces[2] = BlitPiece{Rect{frame.right - r, frame.top, frame.right, frame.bottom},
                               Rect{rect.right - r, rect.top, rect.right, rect.bottom}};
  return layout;
}

int ChunkCopies(int filled, int chunkWidth) { return chunkWidth > 0 && filled > 0 ? filled / chunkWidth + 1 : 0; }

namespace {

void DrawKeyed(Bitmap& work, const Bitmap& image, int x, int y) {
  DrawTransparent(work, RectOfSize(x, y, image.Width(), image.Height()), image, kKeyColour);
}

void ComposeChunks(Bitmap& work, const TDataSkinObject& chunk, int filled) {
  const Bitmap& image = chunk.Bitmap;
  if (image.Empty() || filled <= 0) return;
  const int cw = image.Width(), ch = image.Height(), height = work.Height();
  if (chunk.Tile == 1) {
    Bitmap strip(filled, ch, PixelFormat::Bits32, &AllocateHeapPixels);
    strip.Fill(MakePixel(0xFF, 0, 0xFF));
    const int copies = ChunkCopies(filled, cw);
    for (int i = 0; i < copies; ++i) CopyPixels(strip, i * cw, 0, image, image.Bounds());
    DrawKeyed(work, strip, chunk.LeftWidth + 2, (height - ch) / 2);
    return;
  }
  if (height - 4 <= 0) return;
  Bitmap strip(filled, height - 4, PixelFormat::Bits32, &AllocateHeapPixels);
  strip.Fill(MakePixel(0xFF, 0, 0xFF));
  ComposeChannel(strip, ThreePartStretch(Rect{0, 0, filled, height}, image, 1, 1, chunk.LeftWidth, chunk.RightWidth), image);
  DrawKeyed(work, strip, 2, 2);
}

} // namespace

void ComposeProgress(Bitmap& work, const Bitmap& trough, const Bitmap& bar, const TDataSkinObject* chunk, int filled,
                     Pixel face) {
  work.Fill(face);
  if (work.Empty()) return;
  DrawKeyed(work, trough, 0, 0);
  if (filled <= 0) return;
  if (!bar.Empty()) DrawKeyed(work, bar, 0, 0);
  else if (chunk) ComposeChunks(work, *chunk, filled);
}

} // namespace vcu

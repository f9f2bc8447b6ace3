#include "ReferenceFrames.h"

#include <windows.h>

#include "skin/data/DibBitmap.h"

namespace vcu::reference {
namespace {

constexpr Pixel kMagenta = MakePixel(255, 0, 255);

// A bitmap whose pixels GDI draws into.
Bitmap Canvas(int width, int height) {
  Bitmap b(width, height, PixelFormat::Bits32, &AllocateDibPixels);
  return b;
}

} // namespace

Rect FrameOf(const Bitmap& strip, int index, int count, bool vertical) {
  if (vertical) {
    const int fh = strip.Height() / count;
    return RectOfSize(0, (index - 1) * fh, strip.Width(), fh);
  }
  const int fw = strip.Width() / count;
  return RectOfSize((index - 1) * fw, 0, fw, strip.Height());
}

void CopyPiece(Bitmap& target, const Rect& to, const Bitmap& source, const Rect& from) {
  DibHandle(target);
  BitmapDC into(target), out(source);
  SetStretchBltMode(into.Get(), COLORONCOLOR);
  StretchBlt(into.Get(), to.left, to.top, to.Width(), to.Height(), out.Get(), from.left, from.top, from.Width(),
             from.Height(), SRCCOPY);
}

void Tile(Bitmap& target, const Rect& dest, const Bitmap& source, const Rect& piece) {
  const int w = piece.Width(), h = piece.Height();
  if (w <= 0 || h <= 0) return;
  for (int y = dest.top; y < dest.bottom; y += h)
    for (int x = dest.left; x < dest.right; x += w) CopyPiece(target, RectOfSize(x, y, w, h), source, piece);
}

Bitmap Sliced(int width, int height, const Bitmap& strip, const Margins& margins, int index, int count, bool tile,
              bool vertical) {
  const Rect f = FrameOf(strip, index, count, vertical);
  const int x0 = f.left, y0 = f.top, fw = f.Width(), fh = f.Height(), W = width, H = height;
  int L = margins.left, T = margins.top, R = margins.right, B = margins.bottom;
  if (W < L + R) L = R = 0;
  if (H < T + B) T = B = 0;
  Bitmap out = Canvas(W, H);
  auto piece = [&](bool drawn, Rect from, Rect to) {
    if (drawn) CopyPiece(out, to, strip, from);
  };
  piece(L > 0 && T > 0, {x0, y0, x0 + L, y0 + T}, {0, 0, L, T});
  piece(L > 0 && B > 0, {x0, y0 + fh - B, x0 + L, y0 + fh}, {0, H - B, L, H});
  piece(R > 0 && T > 0, {x0 + fw - R, y0, x0 + fw, y0 + T}, {W - R, 0, W, T});
  piece(L > 0, {x0, y0 + T, x0 + L, y0 + fh - B}, {0, T, L, H - B});
  piece(T > 0, {x0 + L, y0, x0 + fw - R, y0 + T}, {L, 0, W - R, T});
  const Rect centreFrom{x0 + L, y0 + T, x0 + fw - R, y0 + fh - B}, centreTo{L, T, W - R, H - B};
  if (tile) Tile(out, centreTo, strip, centreFrom);
  else CopyPiece(out, centreTo, strip, centreFrom);
  piece(R > 0 && B > 0, {x0 + fw - R, y0 + fh - B, x0 + fw, y0 + fh}, {W - R, H - B, W, H});
  piece(R > 0, {x0 + fw - R, y0 + T, x0 + fw, y0 + fh - B}, {W - R, T, W, H - B});
  piece(B > 0, {x0 + L, y0 + fh - B, x0 + fw - R, y0 + fh}, {L, H - B, W - R, H});
  return out;
}

Bitmap Stretched(int width, int height, const Bitmap& strip, int index, int count) {
  Bitmap out = Canvas(width, height);
  CopyPiece(out, {0, 0, width, height}, strip, FrameOf(strip, index, count, false));
  return out;
}

Bitmap ThreePartRow(int width, int height, const Bitmap& strip, const Margins& margins, int index, int count,
                    bool vertical) {
  const Rect f = FrameOf(strip, index, count, vertical);
  const int L = margins.left, R = margins.right, m = f.Width() - L - R;
  Bitmap out = Canvas(width, height);
  CopyPiece(out, {0, 0, L, height}, strip, {f.left, f.top, f.left + L, f.bottom});
  for (int x = L; m > 0 && x < width - R; x += m)
    CopyPiece(out, {x, 0, x + m, height}, strip, {f.left + L, f.top, f.right - R, f.bottom});
  CopyPiece(out, {width - R, 0, width, height}, strip, {f.right - R, f.top, f.right, f.bottom});
  return out;
}

Bitmap Frame(const Bitmap& strip, int index, int count) {
  const Rect f = FrameOf(strip, index, count, false);
  Bitmap out = Canvas(f.Width(), f.Height());
  CopyPiece(out, {0, 0, f.Width(), f.Height()}, strip, f);
  return out;
}

void PutDown(Bitmap& canvas, const Bitmap& image, int x, int y, bool transparent) {
  for (int row = 0; row < image.Height(); ++row)
    for (int col = 0; col < image.Width(); ++col) {
      const int cx = x + col, cy = y + row;
      if (cx < 0 || cy < 0 || cx >= canvas.Width() || cy >= canvas.Height()) continue;
      const Pixel p = image.At(col, row) & 0xFFFFFF;
      if (!(transparent && p == kMagenta)) canvas.Set(cx, cy, p);
    }
}

} // namespace vcu::reference

#include "core/image/PixelOps.h"

#include <algorithm>

namespace vcu {
namespace {

constexpr Pixel kMagenta = MakePixel(255, 0, 255);

template <typename F> void ForEachPixel(Bitmap& bitmap, F change) {
  for (int y = 0; y < bitmap.Height(); ++y) {
    Pixel* row = bitmap.Row(y);
    for (int x = 0; x < bitmap.Width(); ++x)
      row[x] = change(row[x]);
  }
}

// Replaces the bitmap by one of swapped sides whose pixel (x', y') is the old pixel that
// source(x', y') names.
template <typename F> void Turn(Bitmap& bitmap, F source) {
  if (bitmap.Empty())
    return;
  Bitmap turned(bitmap.Height(), bitmap.Width(), bitmap.Format());
  for (int y = 0; y < turned.Height(); ++y) {
    Pixel* row = turned.Row(y);
    for (int x = 0; x < turned.Width(); ++x) {
      const auto from = source(x, y);
      row[x] = bitmap.At(from.first, from.second);
    }
  }
  bitmap.Swap(turned);
}

} // namespace

void MakeGrayscale(Bitmap& bitmap) {
  bitmap.SetFormat(PixelFormat::Bits24);
  ForEachPixel(bitmap, [](Pixel p) {
    const unsigned grey = (PixelRed(p) + PixelGreen(p) + PixelBlue(p)) / 3;
    return MakePixel(grey, grey, grey);
  });
}

void ReplaceKeyColour(Bitmap& bitmap, Colour colour) {
  bitmap.SetFormat(PixelFormat::Bits24);
  const Pixel replacement = PixelFromRgb(ResolveColour(colour));
  ForEachPixel(bitmap, [replacement](Pixel p) { return p == kMagenta ? replacement : p; });
}

void MirrorBitmap(Bitmap& bitmap) {
  for (int y = 0; y < bitmap.Height(); ++y)
    std::reverse(bitmap.Row(y), bitmap.Row(y) + bitmap.Width());
}

void FlipBitmap(Bitmap& bitmap) {
  for (int top = 0, bottom = bitmap.Height() - 1; top < bottom; ++top, --bottom)
    std::swap_ranges(bitmap.Row(top), bitmap.Row(top) + bitmap.Width(), bitmap.Row(bottom));
}

void RotateLeftInto(Bitmap& target, const Bitmap& source) {
  if (source.Empty() || target.Width() != source.Height() || target.Height() != source.Width())
    return;
  const int last = source.Width() - 1;
  // Target row y is source column last - y, read top to bottom.
  for (int y = 0; y < target.Height(); ++y) {
    Pixel* row = target.Row(y);
    for (int x = 0; x < target.Width(); ++x)
      row[x] = source.At(last - y, x);
  }
}

void RotateBitmapLeft(Bitmap& bitmap) {
  if (bitmap.Empty())
    return;
  Bitmap turned(bitmap.Height(), bitmap.Width(), bitmap.Format());
  RotateLeftInto(turned, bitmap);
  bitmap.Swap(turned);
}

void RotateBitmapRight(Bitmap& bitmap) {
  const int oldHeight = bitmap.Height();
  Turn(bitmap, [oldHeight](int x, int y) { return std::make_pair(y, oldHeight - 1 - x); });
}

} // namespace vcu

#include "skin/controls/PaintBuffer.h"

#include "core/image/Blit.h"
#include "core/image/Transparency.h"
#include "skin/data/DibBitmap.h"

namespace vcu {

TPaintBuffer::~TPaintBuffer() { Release(); }

HDC TPaintBuffer::Prepare(int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  if (!dc_) {
    dc_ = CreateCompatibleDC(nullptr);
    if (!dc_) return nullptr;
  }
  if (pixels_.Width() == width && pixels_.Height() == height) return dc_;
  if (oldBitmap_) SelectObject(dc_, oldBitmap_);
  oldBitmap_ = nullptr;
  pixels_ = Bitmap();
  try {
    pixels_ = Bitmap(width, height, PixelFormat::Bits32, &AllocateDibPixels);
  } catch (const Exception&) {
    return nullptr;
  }
  oldBitmap_ = SelectObject(dc_, DibHandle(pixels_));
  return dc_;
}

Bitmap& TPaintBuffer::Pixels() {
  GdiFlush();
  return pixels_;
}

void TPaintBuffer::Compose(const Bitmap& image, int x, int y, bool keyed) {
  if (pixels_.Empty() || image.Empty()) return;
  Bitmap& target = Pixels();
  if (keyed) DrawTransparent(target, RectOfSize(x, y, image.Width(), image.Height()), image, kKeyColour);
  else CopyPixels(target, x, y, image, Rect{0, 0, image.Width(), image.Height()});
}

void TPaintBuffer::CopyTo(HDC dc, int x, int y) const {
  if (!dc_ || pixels_.Empty()) return;
  BitBlt(dc, x, y, pixels_.Width(), pixels_.Height(), dc_, 0, 0, SRCCOPY);
}

void TPaintBuffer::Release() {
  if (dc_) {
    if (oldBitmap_) SelectObject(dc_, oldBitmap_);
    DeleteDC(dc_);
  }
  dc_ = nullptr;
  oldBitmap_ = nullptr;
  pixels_ = Bitmap();
}

} // namespace vcu

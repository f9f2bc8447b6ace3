#pragma once
// The off-screen image a control skinner paints into: 32-bit pixels in a DIB section, so the
// core composes straight into them and GDI draws text on the same pixels through a memory DC
// that lives as long as the buffer. A paint prepares it at the control's size, draws, and
// puts it on the window in one blit. New pixels are made only when the size changes.
#include <windows.h>

#include "core/image/Bitmap.h"

namespace vcu {

class TPaintBuffer {
public:
  TPaintBuffer() = default;
  ~TPaintBuffer();
  TPaintBuffer(const TPaintBuffer&) = delete;
  TPaintBuffer& operator=(const TPaintBuffer&) = delete;

  // Sizes the buffer (its contents are then undefined) and returns its device context; null
  // for an empty size or when GDI refuses.
  HDC Prepare(int width, int height);
  HDC DC() const { return dc_; }
  // The pixels, for the core's composition; GDI's pending drawing is flushed first.
  Bitmap& Pixels();
  // Puts an image (a cached frame) into the pixels with its top-left corner at (x, y),
  // unscaled; keyed: magenta pixels leave what is under them.
  void Compose(const Bitmap& image, int x, int y, bool keyed);
  int Width() const { return pixels_.Width(); }
  int Height() const { return pixels_.Height(); }
  // One block transfer of the whole buffer to (x, y) of dc.
  void CopyTo(HDC dc, int x, int y) const;
  // Frees the pixels and the device context.
  void Release();

private:
  Bitmap pixels_;
  HDC dc_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
};

} // namespace vcu

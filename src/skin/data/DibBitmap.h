#pragma once
// Bitmap pixels in DIB sections: once UseDibSectionPixels has run, every new Bitmap keeps its
// rows in a 32-bit top-down DIB section, so painters select it into a device context and
// GDI reads and writes the very pixels the core works on.
#include <memory>

#include <windows.h>

#include "core/image/Bitmap.h"

namespace vcu {

// A pixel buffer in a DIB section; throws EOutOfResources when GDI refuses one.
std::unique_ptr<PixelBuffer> AllocateDibPixels(int width, int height);

// Makes DIB sections the home of every bitmap created from now on.
void UseDibSectionPixels();

// The DIB section holding the bitmap's pixels, moving them into one first when they live
// elsewhere (a bitmap made before UseDibSectionPixels). Null for an empty bitmap.
HBITMAP DibHandle(Bitmap& bitmap);

// The header of a 32-bit top-down DIB of the given size: the layout of a Bitmap's rows.
BITMAPINFO TopDownInfo(int width, int height);

// Copies the bitmap's pixels unscaled to (x, y) straight from its rows (wherever they live),
// with no device context or GDI bitmap in between.
void DrawPixels(HDC dc, int x, int y, const Bitmap& image);

class EOutOfResources : public Exception {
public:
  using Exception::Exception;
};

// A memory device context with a bitmap selected into it for the object's life. A bitmap not
// held in a DIB section is drawn from a copy. On release GDI's pending drawing is flushed, so
// the core sees what GDI drew.
class BitmapDC {
public:
  explicit BitmapDC(const Bitmap& bitmap);
  ~BitmapDC();
  BitmapDC(const BitmapDC&) = delete;
  BitmapDC& operator=(const BitmapDC&) = delete;

  HDC Get() const { return dc_; }

private:
  HDC dc_ = nullptr;
  HGDIOBJ old_ = nullptr;
  Bitmap copy_; // only for a bitmap outside a DIB section
};

} // namespace vcu

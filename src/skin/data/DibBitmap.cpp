#include "skin/data/DibBitmap.h"

#include <cstring>

namespace vcu {
namespace {

class DibPixels final : public PixelBuffer {
public:
  DibPixels(int width, int height) {
    const BITMAPINFO info = TopDownInfo(width, height);
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap_ || !bits)
      throw EOutOfResources("Out of system resources");
    bits_ = static_cast<Pixel*>(bits); // zeroed by the system
  }
  ~DibPixels() override { DeleteObject(bitmap_); }
  Pixel* Data() override { return bits_; }
  void* NativeHandle() const override { return bitmap_; }

private:
  HBITMAP bitmap_ = nullptr;
  Pixel* bits_ = nullptr;
};

} // namespace

BITMAPINFO TopDownInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height; // negative: the first row is the top one
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

void DrawPixels(HDC dc, int x, int y, const Bitmap& image) {
  if (image.Empty())
    return;
  const BITMAPINFO info = TopDownInfo(image.Width(), image.Height());
  SetDIBitsToDevice(dc, x, y, image.Width(), image.Height(), 0, 0, 0, image.Height(),
                    image.Row(0), &info, DIB_RGB_COLORS);
}

std::unique_ptr<PixelBuffer> AllocateDibPixels(int width, int height) {
  return std::make_unique<DibPixels>(width, height);
}

void UseDibSectionPixels() { SetPixelAllocator(&AllocateDibPixels); }

HBITMAP DibHandle(Bitmap& bitmap) {
  if (bitmap.Empty())
    return nullptr;
  if (!bitmap.Buffer()->NativeHandle()) {
    std::unique_ptr<PixelBuffer> dib = AllocateDibPixels(bitmap.Width(), bitmap.Height());
    std::memcpy(dib->Data(), bitmap.Row(0),
                sizeof(Pixel) * static_cast<std::size_t>(bitmap.Width()) * bitmap.Height());
    bitmap.AdoptBuffer(std::move(dib));
  }
  return static_cast<HBITMAP>(bitmap.Buffer()->NativeHandle());
}

BitmapDC::BitmapDC(const Bitmap& bitmap) : dc_(CreateCompatibleDC(nullptr)) {
  if (!dc_)
    throw EOutOfResources("Out of system resources");
  HBITMAP handle = nullptr;
  if (!bitmap.Empty() && bitmap.Buffer()->NativeHandle()) {
    handle = static_cast<HBITMAP>(bitmap.Buffer()->NativeHandle());
  } else if (!bitmap.Empty()) {
    copy_ = bitmap;
    handle = DibHandle(copy_);
  }
  if (handle)
    old_ = SelectObject(dc_, handle);
}

BitmapDC::~BitmapDC() {
  GdiFlush();
  if (old_)
    SelectObject(dc_, old_);
  DeleteDC(dc_);
}

} // namespace vcu

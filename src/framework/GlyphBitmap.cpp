#include "framework/GlyphBitmap.h"

#include "core/image/Bmp.h"
#include "core/image/PixelOps.h"

namespace vcu {
namespace {

TPropInfo DataProperty() {
  TPropInfo p;
  p.name = "Data";
  p.kind = TPropKind::Binary;
  p.readBinary = [](TObject& o, const std::vector<std::uint8_t>& data) { static_cast<TBitmap&>(o).LoadFromBmp(data); };
  return p;
}

HBITMAP MakeDdb(const Bitmap& image) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.Width();
  info.bmiHeader.biHeight = -image.Height(); // rows top-down, as the core keeps them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  HBITMAP made = CreateDIBitmap(screen, &info.bmiHeader, CBM_INIT, image.Row(0), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return made;
}

} // namespace

const TClassInfo& TBitmap::ClassInfo() {
  static const TClassInfo info("TBitmap", &TPersistent::ClassInfo(), {DataProperty()});
  return info;
}

TBitmap::~TBitmap() { FreeHandles(); }

void TBitmap::LoadFromBmp(const std::vector<std::uint8_t>& file) {
  Bitmap decoded = DecodeBmp(file);
  image_ = std::move(decoded);
  Changed();
}

void TBitmap::Assign(const Bitmap& image) {
  image_ = image;
  Changed();
}

void TBitmap::Clear() {
  image_ = Bitmap();
  Changed();
}

void TBitmap::Changed() {
  FreeHandles();
  if (OnChange) OnChange();
}

void TBitmap::FreeHandles() const {
  if (handle_) DeleteObject(handle_);
  if (grey_) DeleteObject(grey_);
  handle_ = grey_ = nullptr;
}

HBITMAP TBitmap::Handle() const {
  if (!handle_ && !image_.Empty()) handle_ = MakeDdb(image_);
  return handle_;
}

HBITMAP TBitmap::GreyHandle() const {
  if (!grey_ && !image_.Empty()) {
    Bitmap grey = image_;
    MakeGrayscale(grey);
    grey_ = MakeDdb(grey);
  }
  return grey_;
}

} // namespace vcu

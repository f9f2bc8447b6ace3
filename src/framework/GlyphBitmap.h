#pragma once
// TBitmap: a picture property of a control (a button's Glyph). Its stored form is a BMP file,
// the binary property "Data"; the pixels are kept as the core's bitmap, and a GDI bitmap of
// them is made only when something draws it the native way.
#include <cstdint>
#include <functional>
#include <vector>

#include <windows.h>

#include "core/image/Bitmap.h"
#include "framework/Classes.h"

namespace vcu {

class TBitmap : public TPersistent {
public:
  TBitmap() = default;
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  // A BMP file's bytes; bad data raises the decoder's error and leaves the picture as it was.
  void LoadFromBmp(const std::vector<std::uint8_t>& file);
  void Assign(const Bitmap& image);
  void Clear();

  bool Empty() const { return image_.Empty(); }
  int Width() const { return image_.Width(); }
  int Height() const { return image_.Height(); }
  const Bitmap& Image() const { return image_; }
  // A screen-compatible GDI bitmap of the pixels (and one in grey), kept until the picture
  // changes; null when empty.
  HBITMAP Handle() const;
  HBITMAP GreyHandle() const;

  std::function<void()> OnChange;

private:
  void Changed();
  void FreeHandles() const;

  Bitmap image_;
  mutable HBITMAP handle_ = nullptr;
  mutable HBITMAP grey_ = nullptr;
};

} // namespace vcu

#pragma once
// A pixel bitmap: width, height, the pixel format it came in, and rows of 32-bit pixels
// addressed from the top. Every bitmap of the program is held this way whatever its source
// depth, so pixel operations have one layout to handle; the remembered format says which
// depth the bitmap stands for (the operations that "set the format to 24 bits" only change
// it).
//
// The rows live in a PixelBuffer obtained from the process's pixel allocator. The core's
// default allocator uses the heap; the Windows layer installs one that allocates DIB
// sections, so the same pixels can be selected into a device context without a copy.
#include <cstdint>
#include <memory>

#include "core/Errors.h"
#include "core/image/Rect.h"

namespace vcu {

// One pixel as it lies in memory: blue, green, red, then an unused byte that is kept 0
// (the layout of a 32-bit top-down DIB). Read as a number: 0x00RRGGBB.
using Pixel = std::uint32_t;

constexpr Pixel MakePixel(unsigned red, unsigned green, unsigned blue) {
  return (red & 0xFF) << 16 | (green & 0xFF) << 8 | (blue & 0xFF);
}
constexpr unsigned PixelRed(Pixel p) { return (p >> 16) & 0xFF; }
constexpr unsigned PixelGreen(Pixel p) { return (p >> 8) & 0xFF; }
constexpr unsigned PixelBlue(Pixel p) { return p & 0xFF; }

// The depth a bitmap stands for, in bits per pixel.
enum class PixelFormat : std::uint8_t {
  Bits1 = 1,
  Bits4 = 4,
  Bits8 = 8,
  Bits16 = 16,
  Bits24 = 24,
  Bits32 = 32,
};

// Owner of one block of width x height pixels, rows top-down and contiguous (the row stride
// is the width). Starts zeroed.
class PixelBuffer {
public:
  virtual ~PixelBuffer() = default;
  virtual Pixel* Data() = 0;
  // The platform object holding the pixels (an HBITMAP on Windows), or nullptr.
  virtual void* NativeHandle() const { return nullptr; }
};

// Makes the buffer of a new bitmap; width and height are positive and within the limits
// below.
using PixelAllocator = std::unique_ptr<PixelBuffer> (*)(int width, int height);

// Installs the allocator every later bitmap uses; nullptr restores the heap allocator.
void SetPixelAllocator(PixelAllocator allocator);
std::unique_ptr<PixelBuffer> AllocateHeapPixels(int width, int height);

// Bounds that every bitmap respects, so pixel counts and byte sizes fit in 32 bits.
constexpr int kMaxBitmapSide = 1 << 15;
constexpr std::int64_t kMaxBitmapPixels = std::int64_t{1} << 24;

// A bitmap size beyond kMaxBitmapSide or kMaxBitmapPixels was asked for.
class EBitmapTooLarge : public Exception {
public:
  EBitmapTooLarge(int width, int height);
};

class Bitmap {
public:
  Bitmap() = default;
  // A zeroed (black) bitmap. A zero or negative side gives an empty bitmap; sides or a pixel
  // count beyond the limits throw EBitmapTooLarge.
  Bitmap(int width, int height, PixelFormat format = PixelFormat::Bits24);
  // The same with the buffer from the given allocator instead of the process's one.
  Bitmap(int width, int height, PixelFormat format, PixelAllocator allocator);
  Bitmap(const Bitmap& other);
  Bitmap& operator=(const Bitmap& other);
  Bitmap(Bitmap&& other) noexcept;
  Bitmap& operator=(Bitmap&& other) noexcept;
  ~Bitmap();

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }
  Rect Bounds() const { return Rect{0, 0, width_, height_}; }

  PixelFormat Format() const { return format_; }
  void SetFormat(PixelFormat format) { format_ = format; }

  // Row y (0 = top), Width() pixels. y must lie in 0..Height()-1.
  Pixel* Row(int y) { return pixels_ + static_cast<std::int64_t>(y) * width_; }
  const Pixel* Row(int y) const { return pixels_ + static_cast<std::int64_t>(y) * width_; }
  Pixel At(int x, int y) const { return Row(y)[x]; }
  void Set(int x, int y, Pixel p) { Row(y)[x] = p; }

  // Replaces the pixels with a zeroed block of the new size (contents are not kept).
  void SetSize(int width, int height);
  // Makes the bitmap empty and releases its pixels.
  void Clear();
  void Fill(Pixel p);
  void Swap(Bitmap& other) noexcept;

  // The buffer holding the pixels; nullptr when empty.
  PixelBuffer* Buffer() const { return buffer_.get(); }
  // Takes over a buffer of Width() x Height() pixels (the Windows layer uses this to move a
  // bitmap's pixels into a DIB section).
  void AdoptBuffer(std::unique_ptr<PixelBuffer> buffer);

private:
  void Allocate(int width, int height, PixelAllocator allocator);

  int width_ = 0, height_ = 0;
  PixelFormat format_ = PixelFormat::Bits24;
  std::unique_ptr<PixelBuffer> buffer_;
  Pixel* pixels_ = nullptr;
};

} // namespace vcu

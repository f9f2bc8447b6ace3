#include "core/image/Bitmap.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace vcu {
namespace {

class HeapPixels final : public PixelBuffer {
public:
  explicit HeapPixels(std::size_t count) : pixels_(new Pixel[count]()) {}
  Pixel* Data() override { return pixels_.get(); }

private:
  std::unique_ptr<Pixel[]> pixels_;
};

PixelAllocator g_allocator = &AllocateHeapPixels;

std::size_t PixelCount(int width, int height) {
  return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

} // namespace

std::unique_ptr<PixelBuffer> AllocateHeapPixels(int width, int height) {
  return std::make_unique<HeapPixels>(PixelCount(width, height));
}

void SetPixelAllocator(PixelAllocator allocator) {
  g_allocator = allocator ? allocator : &AllocateHeapPixels;
}

EBitmapTooLarge::EBitmapTooLarge(int width, int height)
    : Exception("Bitmap of " + std::to_string(width) + " x " + std::to_string(height) +
                " pixels is too large") {}

Rect Intersect(const Rect& a, const Rect& b) {
  const int left = std::max(a.left, b.left), top = std::max(a.top, b.top);
  return Rect{left, top, std::max(left, std::min(a.right, b.right)),
              std::max(top, std::min(a.bottom, b.bottom))};
}

Bitmap::Bitmap(int width, int height, PixelFormat format) : format_(format) {
  SetSize(width, height);
}

Bitmap::Bitmap(int width, int height, PixelFormat format, PixelAllocator allocator)
    : format_(format) {
  Allocate(width, height, allocator ? allocator : g_allocator);
}

Bitmap::Bitmap(const Bitmap& other) : Bitmap(other.width_, other.height_, other.format_) {
  if (!Empty())
    std::memcpy(pixels_, other.pixels_, PixelCount(width_, height_) * sizeof(Pixel));
}

Bitmap& Bitmap::operator=(const Bitmap& other) {
  if (this != &other) {
    Bitmap copy(other);
    Swap(copy);
  }
  return *this;
}

Bitmap::Bitmap(Bitmap&& other) noexcept { Swap(other); }

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
  Bitmap taken(std::move(other));
  Swap(taken);
  return *this;
}

Bitmap::~Bitmap() = default;

void Bitmap::SetSize(int width, int height) { Allocate(width, height, g_allocator); }

void Bitmap::Allocate(int width, int height, PixelAllocator allocator) {
  if (width <= 0 || height <= 0) {
    Clear();
    return;
  }
  if (width > kMaxBitmapSide || height > kMaxBitmapSide ||
      static_cast<std::int64_t>(width) * height > kMaxBitmapPixels)
    throw EBitmapTooLarge(width, height);
  std::unique_ptr<PixelBuffer> buffer = allocator(width, height);
  width_ = width;
  height_ = height;
  AdoptBuffer(std::move(buffer));
}

void Bitmap::Clear() {
  buffer_.reset();
  pixels_ = nullptr;
  width_ = height_ = 0;
}

void Bitmap::Fill(Pixel p) {
  if (!Empty())
    std::fill_n(pixels_, PixelCount(width_, height_), p);
}

void Bitmap::Swap(Bitmap& other) noexcept {
  std::swap(width_, other.width_);
  std::swap(height_, other.height_);
  std::swap(format_, other.format_);
  std::swap(buffer_, other.buffer_);
  std::swap(pixels_, other.pixels_);
}

void Bitmap::AdoptBuffer(std::unique_ptr<PixelBuffer> buffer) {
  buffer_ = std::move(buffer);
  pixels_ = buffer_ ? buffer_->Data() : nullptr;
}

} // namespace vcu

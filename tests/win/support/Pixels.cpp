#include "support/Pixels.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace vcu::test {
namespace {

// How far a channel must stand from the others, or from the background, to count: a third of
// the scale, well beyond rounding and faint smoothing.
constexpr int kClearMargin = 85;

int Channel(Hue hue, Pixel p) {
  switch (hue) {
  case Hue::Red: return static_cast<int>(PixelRed(p));
  case Hue::Green: return static_cast<int>(PixelGreen(p));
  case Hue::Blue: return static_cast<int>(PixelBlue(p));
  }
  return 0;
}

} // namespace

Bitmap ReadPixels(HDC dc, const RECT& area) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  Bitmap out(width, height, PixelFormat::Bits32, &AllocateHeapPixels);
  if (out.Empty()) return out;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height; // top-down, as a Bitmap's rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, section);
  BitBlt(memory, 0, 0, width, height, dc, area.left, area.top, SRCCOPY);
  GdiFlush();
  std::memcpy(out.Row(0), bits, static_cast<size_t>(width) * height * sizeof(Pixel));
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(section);
  // GDI may leave the unused fourth byte set; only colours count.
  for (int y = 0; y < height; ++y)
    for (Pixel* p = out.Row(y); p != out.Row(y) + width; ++p) *p &= 0xFFFFFF;
  return out;
}

Bitmap ReadClientPixels(HWND window, const RECT& area) {
  HDC dc = GetDC(window);
  Bitmap pixels = ReadPixels(dc, area);
  ReleaseDC(window, dc);
  return pixels;
}

std::string FirstDifference(const Bitmap& a, const Bitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return "sizes differ";
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if ((a.At(x, y) & 0xFFFFFF) != (b.At(x, y) & 0xFFFFFF)) {
        char text[64];
        std::snprintf(text, sizeof text, "%d,%d: 0x%06X vs 0x%06X", x, y, unsigned(a.At(x, y) & 0xFFFFFF),
                      unsigned(b.At(x, y) & 0xFFFFFF));
        return text;
      }
  return "";
}

int CountPixels(const Bitmap& image, const std::function<bool(Pixel)>& counted) {
  int n = 0;
  for (int y = 0; y < image.Height(); ++y)
    n += static_cast<int>(std::count_if(image.Row(y), image.Row(y) + image.Width(), counted));
  return n;
}

bool ClearlyOf(Hue hue, Pixel p) {
  const int own = Channel(hue, p);
  for (Hue other : {Hue::Red, Hue::Green, Hue::Blue})
    if (other != hue && own - Channel(other, p) < kClearMargin) return false;
  return true;
}

bool ClearlyDarkerThan(Pixel background, Pixel p) {
  for (Hue hue : {Hue::Red, Hue::Green, Hue::Blue})
    if (Channel(hue, background) - Channel(hue, p) < kClearMargin) return false;
  return true;
}

Pixel PixelOf(COLORREF colour) { return MakePixel(GetRValue(colour), GetGValue(colour), GetBValue(colour)); }

} // namespace vcu::test

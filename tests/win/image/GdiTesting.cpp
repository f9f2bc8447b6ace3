#include "GdiTesting.h"

#include <cstdio>

#include "skin/data/DibBitmap.h"

namespace vcu::testing {

TestWindow::TestWindow(int x, int y, int width, int height) {
  wnd_ = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, x, y, width,
                         height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  UpdateWindow(wnd_);
  PumpMessages();
}

TestWindow::~TestWindow() { DestroyWindow(wnd_); }

void PumpMessages() {
  MSG msg;
  for (int round = 0; round < 3; ++round) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(20);
  }
}

Bitmap ReadBack(HDC dc, int x, int y, int width, int height) {
  Bitmap out(width, height);
  DibHandle(out);
  {
    BitmapDC target(out);
    BitBlt(target.Get(), 0, 0, width, height, dc, x, y, SRCCOPY);
  }
  // GDI may leave the unused fourth byte set; only colours are compared.
  for (int row = 0; row < height; ++row)
    for (int col = 0; col < width; ++col)
      out.Set(col, row, out.At(col, row) & 0xFFFFFF);
  return out;
}

Bitmap Pattern(int width, int height, unsigned seed) {
  Bitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      b.Set(x, y, MakePixel(x * 7 + seed, y * 5 + seed * 3, (x ^ y) + seed * 11));
  return b;
}

Bitmap FrameStrip(int fw, int fh, int count) {
  Bitmap strip = Pattern(fw * count, fh, 40);
  for (int i = 0; i < count; ++i) {
    const int x0 = i * fw;
    strip.Set(x0, 0, MakePixel(255, 0, 255));          // corners cut away
    strip.Set(x0 + fw - 1, fh - 1, MakePixel(255, 0, 255));
    strip.Set(x0 + fw / 2, fh / 2, MakePixel(255, 0, 255)); // a hole in the centre
  }
  return strip;
}

std::string FirstDifference(const Bitmap& a, const Bitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height())
    return "sizes differ";
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if ((a.At(x, y) & 0xFFFFFF) != (b.At(x, y) & 0xFFFFFF)) {
        char text[64];
        std::snprintf(text, sizeof text, "%d,%d: 0x%06X vs 0x%06X", x, y,
                      unsigned(a.At(x, y) & 0xFFFFFF), unsigned(b.At(x, y) & 0xFFFFFF));
        return text;
      }
  return "";
}

} // namespace vcu::testing

#pragma once
// Helpers of the Windows image tests: a real window to draw into, pixel read-back, and the
// test pictures.
#include <string>

#include <windows.h>

#include "core/image/Bitmap.h"

namespace vcu::testing {

// A visible top-level popup window of the given client size, destroyed with the object.
class TestWindow {
public:
  TestWindow(int x, int y, int width, int height);
  ~TestWindow();
  HWND Get() const { return wnd_; }

private:
  HWND wnd_ = nullptr;
};

void PumpMessages();

// The pixels of a device context's area, read back through one block copy into a DIB section.
Bitmap ReadBack(HDC dc, int x, int y, int width, int height);

// A bitmap whose every pixel differs from its neighbours (red = x, green = y, blue = seed).
Bitmap Pattern(int width, int height, unsigned seed);
// A frame strip of count frames of fw x fh with magenta specks, for transparent drawing.
Bitmap FrameStrip(int fw, int fh, int count);

// The first pixel where two bitmaps differ, as "x,y: 0x... vs 0x...", or "" when they agree.
std::string FirstDifference(const Bitmap& a, const Bitmap& b);

} // namespace vcu::testing

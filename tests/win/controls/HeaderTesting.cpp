#include "HeaderTesting.h"

#include <algorithm>

#include <windows.h>
#include <commctrl.h>

#include "core/image/Slicing.h"

namespace vcu::test {

Bitmap ComposedHeader(const TSkinData& skin, HWND header, int hotItem) {
  const TDataSkinObject& bar = *skin.Headerbar;
  const int count = bar.Frame > 0 ? bar.Frame : 5;
  RECT client;
  GetClientRect(header, &client);
  Bitmap canvas(client.right, client.bottom, PixelFormat::Bits32);
  canvas.Fill(MakePixel(1, 2, 3));
  auto place = [&](const RECT& r, int frame) {
    DrawPlaced(canvas, SlicedFrameImage(Rect{r.left, r.top, r.right, r.bottom}, bar.Bitmap, bar.Margins(), frame, count,
                                        bar.Tile != 0, false),
               false);
  };
  int right = 0;
  const int items = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < items; ++i) {
    RECT r{};
    if (!SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r))) continue;
    place(r, i == hotItem ? 2 : 1);
    right = std::max<int>(right, r.right);
  }
  if (right < client.right) place(RECT{right, 0, client.right, client.bottom}, 1);
  return canvas;
}

} // namespace vcu::test

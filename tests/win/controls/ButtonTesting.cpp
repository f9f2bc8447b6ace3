#include "ButtonTesting.h"

#include "SkinnedForms.h"
#include "core/image/Blit.h"
#include "core/image/PixelOps.h"
#include "core/image/Slicing.h"
#include "core/image/Transparency.h"
#include "framework/Graphics.h"
#include "support/Pixels.h"

namespace vcu::test {

TSkinControl* SkinnerOf(HWND form, HWND control) {
  TWinSkinForm* skinner = RunningSkinner(form);
  if (!skinner) return nullptr;
  for (TSkinControl* c : skinner->SkinnedControls())
    if (c->Handle() == control) return c;
  return nullptr;
}

Pixel PixelOfColour(Colour colour) { return PixelFromRgb(ColorToRGB(static_cast<TColor>(colour))); }

Bitmap ComposedButtonFrame(const TSkinData& skin, int frame, int width, int height) {
  const TDataSkinButton& buttons = skin.Buttons;
  Bitmap canvas(width, height, PixelFormat::Bits32);
  canvas.Fill(PixelOfColour(skin.ColourButtonFace));
  const Rect area{0, 0, width, height};
  const Bitmap sliced = BuildSlicedBitmap(area, buttons.Bitmap, buttons.Margins(), frame, 5, buttons.Tile != 0, false);
  if (buttons.Trans == 1) DrawTransparent(canvas, area, sliced, kKeyColour);
  else CopyPixels(canvas, 0, 0, sliced, area);
  return canvas;
}

Pixel StripColour(int frame) { return MakePixel(20 * frame, 200 - 15 * frame, 60 + 10 * frame); }

Bitmap SolidStrip(int count, int width, int height) {
  Bitmap strip(width * count, height, PixelFormat::Bits24);
  for (int i = 0; i < count; ++i) {
    FillRect(strip, RectOfSize(i * width, 0, width, height), StripColour(i + 1));
    strip.Set(i * width, 0, MakePixel(255, 0, 255));
  }
  return strip;
}

Bitmap ClientPixels(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  return ReadClientPixels(window, r);
}

OutlineDifference DifferenceOnOutline(const Bitmap& a, const Bitmap& b, const RECT& outline) {
  OutlineDifference d;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) {
      if (a.At(x, y) == b.At(x, y)) continue;
      const bool inside = x >= outline.left && x < outline.right && y >= outline.top && y < outline.bottom;
      const bool edge = x == outline.left || x == outline.right - 1 || y == outline.top || y == outline.bottom - 1;
      ++(inside && edge ? d.on : d.off);
    }
  return d;
}

SIZE MeasuredText(HWND window, HFONT font, const wchar_t* text, int boxWidth, UINT flags) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, font);
  RECT r{0, 0, boxWidth, 0};
  DrawTextW(dc, text, -1, &r, flags | DT_CALCRECT);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

int CountOf(const Bitmap& image, Pixel colour) {
  return CountPixels(image, [colour](Pixel p) { return p == colour; });
}

} // namespace vcu::test

// Times the glyph-button and stand-alone scroll-bar skinners on a real skinned framework form
// with our default skin, each repaint beside a plain BitBlt of the same area in the same run:
// a 120 x 30 bit button with a 16-pixel glyph and caption (frame, glyph cell, text, one blit),
// a 25 x 25 flat speed button that is down (painted through its parent's DC), and a 300 x 17
// scroll-bar control's overlay (track, arrows, thumb and grip from the kept frames).
// Each figure is the minimum and median of many runs, timed with QueryPerformanceCounter.
// Usage: bench_win_buttons2 [runs]
#include <windows.h>

#include "WinBench.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "core/image/Blit.h"
#include "framework/Buttons.h"
#include "framework/Forms.h"
#include "framework/ScrollBar.h"
#include "framework/Win32Platform.h"
#include "skin/controls/SkinScControl.h"
#include "skin/controls/SkinSpeedButton.h"
#include "skin/controls/WScrollbar.h"
#include "skin/data/DibBitmap.h"
#include "skin/data/SkinComponents.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/SkinManage.h"
#include "skin/form/WinSkinForm.h"

namespace {

using namespace vcu;
using namespace vcu::bench;

Bitmap Glyph(int cells) {
  Bitmap glyph(16 * cells, 16, PixelFormat::Bits24);
  for (int cell = 0; cell < cells; ++cell) FillRect(glyph, RectOfSize(cell * 16, 0, 16, 16), MakePixel(40 * cell, 120, 200));
  for (int cell = 0; cell < cells; ++cell) glyph.Set(cell * 16, 15, MakePixel(128, 128, 0));
  return glyph;
}

} // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(5, std::atoi(argv[1])) : 500;
  UseWin32Platform();
  UseDibSectionPixels();
  RegisterSkinComponents();

  TSkinData data(nullptr);
  if (!LoadStoredSkin(data, VCU_STORED_SKIN_FILE)) {
    std::fprintf(stderr, "no usable skin in %s\n", VCU_STORED_SKIN_FILE);
    return 1;
  }

  TForm form(nullptr);
  form.SetBounds(100, 100, 460, 200);
  form.SetCaption("Glyph buttons benchmark");
  auto* bit = new TBitBtn(&form);
  bit->SetParent(&form);
  bit->SetBounds(20, 20, 120, 30);
  bit->SetCaption("Accept");
  bit->Glyph()->Assign(Glyph(1));
  auto* speed = new TSpeedButton(&form);
  speed->SetParent(&form);
  speed->SetBounds(160, 20, 25, 25);
  speed->Glyph()->Assign(Glyph(4));
  speed->SetNumGlyphs(4);
  speed->SetGroupIndex(1);
  speed->SetFlat(true);
  speed->SetDown(true);
  auto* bar = new TScrollBar(&form);
  bar->SetParent(&form);
  bar->SetBounds(20, 80, 300, GetSystemMetrics(SM_CYHSCROLL));
  bar->SetPageSize(10);
  bar->SetPosition(40);
  form.Show();
  HWND window = form.Handle();

  TSkinControl* bitSkinner = nullptr;
  TSkinSpeedButton* speedSkinner = nullptr;
  TSkinScControl* barSkinner = nullptr;
  const bool skinned = PumpUntil([&] {
    // The speed button has no window: its skinner is found by the control it belongs to.
    if (!(bitSkinner = SkinnerOf(window, bit->Handle()))) return false;
    barSkinner = dynamic_cast<TSkinScControl*>(SkinnerOf(window, bar->Handle()));
    for (TSkinControl* c : TSkinManage::Instance()->FindSkinForm(window)->SkinnedControls())
      if (c->Owner() == speed) speedSkinner = dynamic_cast<TSkinSpeedButton*>(c);
    return barSkinner && speedSkinner && barSkinner->Bar() && barSkinner->Bar()->Shown();
  });
  if (!skinned) {
    std::fprintf(stderr, "the controls were not skinned\n");
    return 1;
  }
  SetFocus(window);
  PumpWaiting();

  HDC bitDC = GetDC(bit->Handle());
  TimeBesideBlit("bit button (glyph, caption)", bitDC, 120, 30, runs,
       [&] { bitSkinner->PaintWindow(bitDC); });
  ReleaseDC(bit->Handle(), bitDC);

  HDC formDC = GetDC(window);
  SetViewportOrgEx(formDC, speed->Left(), speed->Top(), nullptr);
  TimeBesideBlit("speed button (flat, down)", formDC, 25, 25, runs,
       [&] { speedSkinner->PaintWindow(formDC); });
  ReleaseDC(window, formDC);

  HWND overlay = barSkinner->Bar()->Handle();
  HDC barDC = GetDC(overlay);
  TimeBesideBlit("scroll-bar control overlay", barDC, 300, bar->Height(), runs,
       [&] { SendMessageW(overlay, WM_PAINT, reinterpret_cast<WPARAM>(barDC), 0); });
  ReleaseDC(overlay, barDC);
  return 0;
}

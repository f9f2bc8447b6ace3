// Times the combo-box skinner on a real skinned framework form with our default skin: one
// repaint of a 200-pixel drop-down-list combo box (the skinner's whole paint: the window's
// pixels read into its buffer, the kept face composed over them, the text area clipped out and
// the one blit back onto the window DC), beside a plain BitBlt of the same area from a DIB
// section onto the same DC, the two interleaved in the same run. A paint after each skin
// change (the face sliced afresh) is timed as well.
// Each figure is the minimum and median of many runs, timed with QueryPerformanceCounter.
// Usage: bench_win_combo [runs]
#include <windows.h>

#include "WinBench.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "framework/ComboBox.h"
#include "framework/Forms.h"
#include "framework/Win32Platform.h"
#include "skin/controls/SkinComBox.h"
#include "skin/data/DibBitmap.h"
#include "skin/data/SkinComponents.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/SkinManage.h"
#include "skin/form/WinSkinForm.h"

namespace {

using namespace vcu;
using namespace vcu::bench;

constexpr int kWidth = 200;

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
  form.SetBounds(100, 100, kWidth + 60, 200);
  form.SetCaption("Combo benchmark");
  auto* combo = new TComboBox(&form);
  combo->SetStyle(csDropDownList);
  combo->SetParent(&form);
  combo->SetBounds(20, 20, kWidth, 21);
  combo->Items()->Add("Network");
  combo->SetItemIndex(0);
  form.Show();
  HWND window = form.Handle();
  TSkinComBox* skinner = nullptr;
  if (!PumpUntil([&] { return (skinner = dynamic_cast<TSkinComBox*>(SkinnerOf(window, combo->Handle()))) != nullptr; })) {
    std::fprintf(stderr, "the combo box was not skinned\n");
    return 1;
  }
  SetFocus(window);

  RECT r;
  GetWindowRect(combo->Handle(), &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  HDC dc = GetWindowDC(combo->Handle());
  TimeBesideBlit("combo (face kept)", dc, width, height, runs, [&] { skinner->PaintWindow(dc); });
  Figures fresh;
  const int freshRuns = std::max(5, runs / 5);
  for (int i = 0; i < freshRuns; ++i) {
    skinner->SkinChanged(); // drops the kept face (and repaints at once)
    const double t = Now();
    skinner->PaintWindow(dc);
    GdiFlush();
    fresh.Add(Now() - t);
  }
  ReleaseDC(combo->Handle(), dc);

  char label[96];
  std::snprintf(label, sizeof label, "combo repaint %dx%d (face sliced anew)", width, height);
  fresh.Print(label);
  return 0;
}

// Times the push-button skinner on a real skinned framework form with our default skin: one
// repaint of a 400 x 30 button (the skinner's whole paint into its buffer from the frames it
// keeps, caption included, and the one blit onto the button's DC), beside a plain BitBlt of
// 400 x 30 pixels from a DIB section onto the same DC, the two interleaved in the same run.
// A paint after each skin change (the frame sliced afresh) is timed as well.
// Each figure is the minimum and median of many runs, timed with QueryPerformanceCounter.
// Usage: bench_win_button [runs]
#include <windows.h>

#include "WinBench.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/Forms.h"
#include "framework/StdCtrls.h"
#include "framework/Win32Platform.h"
#include "skin/controls/SkinButton.h"
#include "skin/data/DibBitmap.h"
#include "skin/data/SkinComponents.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/SkinManage.h"
#include "skin/form/WinSkinForm.h"

namespace {

using namespace vcu;
using namespace vcu::bench;

constexpr int kWidth = 400;
constexpr int kHeight = 30;

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
  form.SetCaption("Button benchmark");
  auto* button = new TButton(&form);
  button->SetParent(&form);
  button->SetBounds(20, 20, kWidth, kHeight);
  button->SetCaption("Connect");
  form.Show();
  HWND window = form.Handle();
  TSkinButton* skinner = nullptr;
  if (!PumpUntil([&] { return (skinner = dynamic_cast<TSkinButton*>(SkinnerOf(window, button->Handle()))) != nullptr; })) {
    std::fprintf(stderr, "the button was not skinned\n");
    return 1;
  }
  SetFocus(window); // a plain button: frame 1, no focus rectangle

  HDC dc = GetDC(button->Handle());
  TimeBesideBlit("button (kept frames)", dc, kWidth, kHeight, runs, [&] { skinner->PaintWindow(dc); });
  Figures fresh;
  const int freshRuns = std::max(5, runs / 5);
  for (int i = 0; i < freshRuns; ++i) {
    skinner->SkinChanged(); // drops the kept frames (and repaints at once)
    const double t = Now();
    skinner->PaintWindow(dc);
    GdiFlush();
    fresh.Add(Now() - t);
  }
  ReleaseDC(button->Handle(), dc);

  fresh.Print("button repaint 400x30 (frame sliced anew)");
  return 0;
}

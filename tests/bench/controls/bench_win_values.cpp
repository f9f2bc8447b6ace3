// Times the value-control skinners on a real skinned framework form with our default skin,
// each beside a plain BitBlt of the same area onto the same DC, interleaved in the same run:
// an up-down's repaint (both halves composed and one blit), a progress bar's repaint lying
// down and upright (turned before its blit), and a track bar's whole synchronous repaint (the
// native control's paint with the skin's channel and thumb through custom draw).
// The up-down reads the pointer position on each paint; GetCursorPos alone is timed too,
// because under an emulation layer it can cost more than the whole composition.
// Each figure is the minimum and median of many runs, timed with QueryPerformanceCounter.
// Usage: bench_win_values [runs]
#include <windows.h>

#include "WinBench.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "framework/ComCtrls.h"
#include "framework/Forms.h"
#include "framework/Win32Platform.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/DibBitmap.h"
#include "skin/data/SkinComponents.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/SkinManage.h"
#include "skin/form/WinSkinForm.h"

namespace {

using namespace vcu;
using namespace vcu::bench;

// One kind timed: its paint and a plain blit of width x height onto the control's DC.
void Time(const char* name, HWND control, int width, int height, int runs, const std::function<void(HDC)>& paint) {
  HDC dc = GetDC(control);
  TimeBesideBlit(name, dc, width, height, runs, [&] { paint(dc); });
  ReleaseDC(control, dc);
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
  form.SetBounds(100, 100, 520, 300);
  form.SetCaption("Value controls benchmark");
  auto* spin = new TUpDown(&form);
  spin->SetParent(&form);
  spin->SetBounds(20, 20, 17, 40);
  auto* progress = new TProgressBar(&form);
  progress->SetParent(&form);
  progress->SetBounds(60, 20, 300, 20);
  progress->SetPosition(60);
  auto* upright = new TProgressBar(&form);
  upright->SetOrientation(pbVertical);
  upright->SetParent(&form);
  upright->SetBounds(380, 20, 20, 200);
  upright->SetPosition(60);
  auto* track = new TTrackBar(&form);
  track->SetParent(&form);
  track->SetBounds(60, 60, 300, 40);
  track->SetMax(20);
  track->SetPosition(8);
  form.Show();
  HWND window = form.Handle();
  TSkinControl *spinSkin = nullptr, *barSkin = nullptr, *uprightSkin = nullptr, *trackSkin = nullptr;
  if (!PumpUntil([&] {
        spinSkin = SkinnerOf(window, spin->Handle());
        barSkin = SkinnerOf(window, progress->Handle());
        uprightSkin = SkinnerOf(window, upright->Handle());
        trackSkin = SkinnerOf(window, track->Handle());
        return spinSkin && barSkin && uprightSkin && trackSkin;
      })) {
    std::fprintf(stderr, "the value controls were not skinned\n");
    return 1;
  }
  {
    Figures cursor;
    POINT p;
    for (int i = 0; i < runs; ++i) {
      const double t = Now();
      GetCursorPos(&p);
      cursor.Add(Now() - t);
    }
    cursor.Print("GetCursorPos alone");
  }
  Time("up-down", spin->Handle(), 17, 40, runs, [&](HDC dc) { spinSkin->PaintWindow(dc); });
  Time("progress bar", progress->Handle(), 300, 20, runs, [&](HDC dc) { barSkin->PaintWindow(dc); });
  Time("vertical progress bar", upright->Handle(), 20, 200, runs, [&](HDC dc) { uprightSkin->PaintWindow(dc); });
  HWND trackWindow = track->Handle();
  Time("track bar (whole native paint, custom-drawn)", trackWindow, 300, 40, runs, [&](HDC) {
    RedrawWindow(trackWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  });
  // The same track bar's paint with skinning off for this control, as the native cost.
  SendMessageW(trackWindow, SKINMSG_ACTIVE, 0, 0);
  Time("track bar (native, skin off)", trackWindow, 300, 40, runs, [&](HDC) {
    RedrawWindow(trackWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  });
  return 0;
}

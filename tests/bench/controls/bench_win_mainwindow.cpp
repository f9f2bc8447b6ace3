// Times a full repaint of the real main window (built from its stored layout, skinned by its
// own skin data, every control skinned): the whole window invalidated, frame and children
// included, and painted at once. Beside it, in the same run: a plain BitBlt of the same area
// from a memory DC to the window's DC, and the same full repaint with skinning switched off
// (the native look). Minimum and median of many runs, timed with QueryPerformanceCounter.
// Usage: bench_win_mainwindow [runs]
#include <windows.h>

#include "WinBench.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/Main.h"
#include "app/Startup.h"
#include "kit-sim/ClassRegistration.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/SkinManage.h"
#include "skin/form/WinSkinForm.h"

namespace {

using namespace vcu;
using namespace vcu::bench;

double FullRepaint(HWND window) {
  const double t0 = Now();
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  GdiFlush();
  return Now() - t0;
}

} // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(5, std::atoi(argv[1])) : 200;
  InitialiseApplication();
  kitsim::ClassRegistration kit;
  TfrmMain* form = Application->CreateForm<TfrmMain>();
  form->Show();
  HWND window = form->Handle();
  auto skinner = [&] { return TSkinManage::Instance() ? TSkinManage::Instance()->FindSkinForm(window) : nullptr; };
  if (!PumpUntil([&] { return skinner() && skinner()->State() == lsRunning && !skinner()->SkinnedControls().empty(); })) {
    std::fprintf(stderr, "the main window was not skinned\n");
    return 1;
  }
  for (int i = 0; i < 60; ++i) form->AddInfo("a line of the log to give the pane its scroll bar");
  PumpWaiting();
  std::printf("main window, %zu control skinners\n", skinner()->SkinnedControls().size());

  RECT r;
  GetWindowRect(window, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  ReleaseDC(nullptr, screen);

  Figures skinned, blit;
  for (int i = 0; i < runs; ++i) {
    skinned.samples.push_back(FullRepaint(window));
    PumpWaiting();
    HDC dc = GetWindowDC(window);
    const double t0 = Now();
    BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    GdiFlush();
    blit.samples.push_back(Now() - t0);
    ReleaseDC(window, dc);
  }
  std::printf("area %d x %d\n", width, height);
  skinned.Print("full repaint, skinned");
  blit.Print("plain BitBlt of the same area");

  TSkinData* data = TSkinManage::Instance()->PrimarySkinData();
  data->SetActive(false);
  PumpUntil([&] { return skinner() == nullptr; });
  PumpWaiting();
  Figures native;
  for (int i = 0; i < runs; ++i) {
    native.samples.push_back(FullRepaint(window));
    PumpWaiting();
  }
  native.Print("full repaint, skinning off (native)");

  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  delete form;
  ShutdownApplication();
  return 0;
}

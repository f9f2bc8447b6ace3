// Times the form skinner on a real skinned 400 x 330 framework form with our default skin:
//   paint     PaintFrame (composition and blit), beside a plain BitBlt of the same 400 x 330
//             area from a memory DC to the window DC, the two interleaved in the same run;
//   region    the skinner's BuildRegion (the region built from the borders and set on the
//             window), and the painter's building alone;
//   message   one message sent to the skinned form (through the skin's subclass and the
//             framework's handler chain), beside one window-property read;
//   attach    from SkinWindow (which posts SKINMSG_INITFORM) to the first skinned frame: the
//             skinner running and a title-bar pixel of the window in the skin's colour.
// Each figure is the minimum and median of many runs, timed with QueryPerformanceCounter.
// Usage: bench_winframe [runs] [skin file]
#include <windows.h>

#include "WinBench.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/Forms.h"
#include "framework/Win32Platform.h"
#include "skin/data/DibBitmap.h"
#include "skin/data/SkinComponents.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/FramePainter.h"
#include "skin/form/SkinManage.h"
#include "skin/form/WinSkinForm.h"

namespace {

using namespace vcu;
using namespace vcu::bench;

constexpr int kWidth = 400;
constexpr int kHeight = 330;

TWinSkinForm* Skinner(HWND window) { return TSkinManage::Instance()->FindSkinForm(window); }

bool Running(HWND window) {
  TWinSkinForm* skinner = Skinner(window);
  return skinner && skinner->State() == lsRunning;
}

// As the manager gives a window back when skinning goes off.
void Unskin(HWND window) {
  TWinSkinForm* skinner = Skinner(window);
  TSkinManage::Instance()->RemoveSkinForm(skinner);
  skinner->RestoreWindow();
  delete skinner;
  PumpWaiting();
}

// A pixel of the title bar, right of the caption text and left of the caption buttons.
COLORREF TitlePixel(HWND window, int top) {
  RECT r;
  GetWindowRect(window, &r);
  HDC dc = GetWindowDC(window);
  const COLORREF colour = GetPixel(dc, (r.right - r.left) / 2 + 40, top / 2);
  ReleaseDC(window, dc);
  return colour;
}

} // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(5, std::atoi(argv[1])) : 200;
  const std::string skinFile = argc > 2 ? argv[2] : VCU_STORED_SKIN_FILE;
  UseWin32Platform();
  UseDibSectionPixels();
  RegisterSkinComponents();

  TSkinData data(nullptr);
  if (!LoadStoredSkin(data, skinFile)) {
    std::fprintf(stderr, "no usable skin in %s\n", skinFile.c_str());
    return 1;
  }

  TForm form(nullptr);
  form.SetBounds(100, 100, kWidth, kHeight);
  form.SetCaption("Frame benchmark");
  form.Show();
  HWND window = form.Handle();
  if (!PumpUntil([window] { return Running(window); })) {
    std::fprintf(stderr, "the form was not skinned\n");
    return 1;
  }
  // The skinner keeps the client and changes the frame: bring the window itself to 400 x 330.
  SetWindowPos(window, nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  PumpWaiting();
  TWinSkinForm* skinner = Skinner(window);
  RECT r;
  GetWindowRect(window, &r);
  std::printf("skinned form %ld x %ld, borders %d/%d/%d/%d\n", r.right - r.left, r.bottom - r.top,
              skinner->Borders().left, skinner->Borders().top, skinner->Borders().right, skinner->Borders().bottom);

  // PaintFrame beside a plain blit of the same area, interleaved.
  HDC windowDC = GetWindowDC(window);
  HDC memoryDC = CreateCompatibleDC(windowDC);
  HBITMAP bitmap = CreateCompatibleBitmap(windowDC, kWidth, kHeight);
  HGDIOBJ old = SelectObject(memoryDC, bitmap);
  PatBlt(memoryDC, 0, 0, kWidth, kHeight, WHITENESS);
  const BITMAPINFO info = TopDownInfo(kWidth, kHeight);
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dibDC = CreateCompatibleDC(nullptr);
  SelectObject(dibDC, dib);
  Figures paint, blit, blitOwnDC, blitDib;
  for (int i = 0; i < runs; ++i) {
    double t = Now();
    skinner->PaintFrame();
    GdiFlush();
    paint.Add(Now() - t);
    t = Now();
    BitBlt(windowDC, 0, 0, kWidth, kHeight, memoryDC, 0, 0, SRCCOPY);
    GdiFlush();
    blit.Add(Now() - t);
    // As a paint does it: the window's device context taken and given back around the blit.
    t = Now();
    HDC own = GetWindowDC(window);
    BitBlt(own, 0, 0, kWidth, kHeight, memoryDC, 0, 0, SRCCOPY);
    ReleaseDC(window, own);
    blitOwnDC.Add(Now() - t);
    t = Now();
    own = GetWindowDC(window);
    BitBlt(own, 0, 0, kWidth, kHeight, dibDC, 0, 0, SRCCOPY);
    ReleaseDC(window, own);
    blitDib.Add(Now() - t);
  }
  SelectObject(memoryDC, old);
  DeleteObject(bitmap);
  DeleteDC(memoryDC);
  ReleaseDC(window, windowDC);
  paint.Print("PaintFrame 400x330");
  Figures message, property;
  for (int i = 0; i < runs; ++i) {
    double t = Now();
    SendMessageA(window, WM_NULL, 0, 0);
    message.Add(Now() - t);
    t = Now();
    GetPropA(window, "VcuBenchProperty");
    property.Add(Now() - t);
  }
  message.Print("message to the skinned form");
  property.Print("one window property read");
  blit.Print("plain BitBlt 400x330");
  blitOwnDC.Print("plain BitBlt, DC got and released");
  blitDib.Print("the same from a DIB section");

  // The region: the skinner's own (built and set on the window), and the building alone.
  Figures region, building;
  for (int i = 0; i < runs; ++i) {
    skinner->DropRegion();
    double t = Now();
    skinner->BuildRegion();
    region.Add(Now() - t);
    t = Now();
    HRGN built = skinner->Painter().BuildRegion(kWidth, kHeight);
    building.Add(Now() - t);
    DeleteObject(built);
  }
  PumpWaiting();
  region.Print("BuildRegion (set on the window)");
  building.Print("painter BuildRegion alone");

  // Attaching: SkinWindow posts SKINMSG_INITFORM; the first frame is there once the skinner
  // runs and the title bar shows the skin.
  const COLORREF skinned = TitlePixel(window, skinner->Borders().top);
  const int top = skinner->Borders().top;
  Unskin(window);
  const COLORREF native = TitlePixel(window, top);
  if (native == skinned) std::printf("note: the native title bar has the skin's colour at the probe point\n");
  Figures attach;
  const int attachRuns = std::max(5, runs / 10);
  for (int i = 0; i < attachRuns; ++i) {
    const double t = Now();
    if (!TSkinManage::Instance()->SkinWindow(window) ||
        !PumpUntil([&] { return Running(window) && TitlePixel(window, top) == skinned; })) {
      std::fprintf(stderr, "the form was not skinned again\n");
      return 1;
    }
    attach.Add(Now() - t);
    Unskin(window);
  }
  attach.Print("attach to first skinned frame");
  return 0;
}

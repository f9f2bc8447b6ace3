#include "GalleryBench.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "GalleryForm.h"
#include "framework/Forms.h"

namespace vcu {
namespace {

double Microseconds() {
  static const double perSecond = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1e6 / perSecond;
}

void Line(FILE* out, const char* name, std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  std::fprintf(out, "%-52s min %10.1f us   median %10.1f us   (%zu runs)\n", name, samples.front(),
               samples[samples.size() / 2], samples.size());
}

std::vector<double> Time(int runs, const std::function<void(int)>& work) {
  std::vector<double> samples;
  work(-1); // what is made once
  for (int i = 0; i < runs; ++i) {
    const double start = Microseconds();
    work(i);
    samples.push_back(Microseconds() - start);
  }
  return samples;
}

void RepaintEverything(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  GdiFlush();
}

// The skin manager's pending request, carried out now.
void CarryOutRequest() {
  if (HWND timer = FindWindowExA(HWND_MESSAGE, nullptr, "TSkinManageTimer", nullptr))
    SendMessageA(timer, WM_TIMER, 1, 0);
  Application->ProcessMessages();
}

} // namespace

bool WriteGalleryBench(TfrmGallery& form, const std::string& path, int runs) {
  FILE* out = std::fopen(path.c_str(), "w");
  if (!out) return false;
  HWND window = form.Handle();
  RECT r{};
  GetWindowRect(window, &r);
  std::fprintf(out, "gallery %ldx%ld, every kind of control\n", r.right - r.left, r.bottom - r.top);
  Line(out, "full repaint (frame, menu bar, every control)", Time(runs, [window](int) { RepaintEverything(window); }));
  const char* skins[] = {"mnuSkinMidnight", "mnuSkinDefault"};
  Line(out, "live switch (decode, read, re-apply, repaint)", Time(runs, [&](int i) {
         form.UseBuiltInSkin(skins[(i + 2) % 2]);
         CarryOutRequest();
         RepaintEverything(window);
       }));
  form.UseBuiltInSkin("mnuSkinDefault");
  CarryOutRequest();
  std::fclose(out);
  return true;
}

} // namespace vcu

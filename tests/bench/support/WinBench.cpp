#include "WinBench.h"

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "skin/controls/SkinControl.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/SkinManage.h"
#include "skin/form/WinSkinForm.h"

namespace vcu::bench {

double Now() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) * 1e6 / frequency;
}

void Figures::Print(const char* name) {
  if (samples.empty()) return;
  std::sort(samples.begin(), samples.end());
  std::printf("%-42s min %9.1f us   median %9.1f us   (%zu runs)\n", name, samples.front(),
              samples[samples.size() / 2], samples.size());
}

bool PumpUntil(const std::function<bool()>& done) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > 10000) return false;
    MSG msg;
    if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    } else {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
  }
  return true;
}

void PumpWaiting() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

bool LoadStoredSkin(TSkinData& data, const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<std::uint8_t> archive((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // The stored form: the archive behind its four-byte length.
  std::vector<std::uint8_t> stream(archive.size() + 4);
  const auto n = static_cast<std::uint32_t>(archive.size());
  for (size_t i = 0; i < 4; ++i) stream[i] = static_cast<std::uint8_t>(n >> (8 * i));
  std::copy(archive.begin(), archive.end(), stream.begin() + 4);
  data.SetLoading(true);
  data.SetSkinFormtype(sfMainform);
  data.SetActive(true);
  data.ReadSkinStream(stream);
  data.Loaded();
  return !data.SkinEmpty;
}

TSkinControl* SkinnerOf(HWND form, HWND control) {
  TWinSkinForm* skinner = TSkinManage::Instance() ? TSkinManage::Instance()->FindSkinForm(form) : nullptr;
  if (!skinner || skinner->State() != lsRunning) return nullptr;
  for (TSkinControl* c : skinner->SkinnedControls())
    if (c->Handle() == control) return c;
  return nullptr;
}

PlainBlit::PlainBlit(int width, int height) : width_(width), height_(height) {
  HDC screen = GetDC(nullptr);
  dc_ = CreateCompatibleDC(screen);
  bitmap_ = CreateCompatibleBitmap(screen, width, height);
  old_ = SelectObject(dc_, bitmap_);
  PatBlt(dc_, 0, 0, width, height, WHITENESS);
  ReleaseDC(nullptr, screen);
}

PlainBlit::~PlainBlit() {
  SelectObject(dc_, old_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

void PlainBlit::To(HDC dc, int x, int y) const { BitBlt(dc, x, y, width_, height_, dc_, 0, 0, SRCCOPY); }

void TimeBesideBlit(const std::string& name, HDC dc, int width, int height, int runs, const std::function<void()>& paint) {
  PlainBlit plain(width, height);
  paint();
  Figures painted, blitted;
  for (int i = 0; i < runs; ++i) {
    double t = Now();
    paint();
    GdiFlush();
    painted.Add(Now() - t);
    t = Now();
    plain.To(dc);
    GdiFlush();
    blitted.Add(Now() - t);
  }
  const std::string size = std::to_string(width) + "x" + std::to_string(height);
  painted.Print((name + " repaint " + size).c_str());
  blitted.Print(("plain BitBlt " + size).c_str());
}

int RunsFromArguments(int argc, char** argv, int byDefault) {
  return argc > 1 ? std::max(5, std::atoi(argv[1])) : byDefault;
}

} // namespace vcu::bench

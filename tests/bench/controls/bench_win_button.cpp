// Times the push-button skinner on a real skinned framework form with our default skin: one
// repaint of a 400 x 30 button (the skinner's whole paint into its buffer from the frames it
// keeps, caption included, and the one blit onto the button's DC), beside a plain BitBlt of
// 400 x 30 pixels from a DIB section onto the same DC, the two interleaved in the same run.
// A paint after each skin change (the frame sliced afresh) is timed as well.
// Each figure is the minimum and median of many runs, timed with QueryPerformanceCounter.
// Usage: bench_win_button [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
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

constexpr int kWidth = 400;
constexpr int kHeight = 30;

LARGE_INTEGER frequency;

double Now() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

struct Figures {
  std::vector<double> samples;
  void Add(double us) { samples.push_back(us); }
  void Print(const char* name) {
    std::sort(samples.begin(), samples.end());
    std::printf("%-40s min %8.1f us   median %8.1f us   (%zu runs)\n", name, samples.front(),
                samples[samples.size() / 2], samples.size());
  }
};

// Pumps until done() holds; false after ten seconds.
template <class Done> bool PumpUntil(Done done) {
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

// The stored skin file behind the four-byte length the component's stream reader expects.
std::vector<std::uint8_t> SkinStream(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::uint8_t> archive((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::uint8_t> stream(archive.size() + 4);
  const auto n = static_cast<std::uint32_t>(archive.size());
  for (size_t i = 0; i < 4; ++i) stream[i] = static_cast<std::uint8_t>(n >> (8 * i));
  std::copy(archive.begin(), archive.end(), stream.begin() + 4);
  return stream;
}

TSkinButton* ButtonSkinner(HWND form, HWND button) {
  TWinSkinForm* skinner = TSkinManage::Instance()->FindSkinForm(form);
  if (!skinner || skinner->State() != lsRunning) return nullptr;
  for (TSkinControl* c : skinner->SkinnedControls())
    if (c->Handle() == button) return dynamic_cast<TSkinButton*>(c);
  return nullptr;
}

} // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(5, std::atoi(argv[1])) : 500;
  QueryPerformanceFrequency(&frequency);
  UseWin32Platform();
  UseDibSectionPixels();
  RegisterSkinComponents();

  TSkinData data(nullptr);
  data.SetLoading(true);
  data.SetSkinFormtype(sfMainform);
  data.SetActive(true);
  data.ReadSkinStream(SkinStream(VCU_STORED_SKIN_FILE));
  data.Loaded();
  if (data.SkinEmpty) {
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
  if (!PumpUntil([&] { return (skinner = ButtonSkinner(window, button->Handle())) != nullptr; })) {
    std::fprintf(stderr, "the button was not skinned\n");
    return 1;
  }
  SetFocus(window); // a plain button: frame 1, no focus rectangle

  HDC dc = GetDC(button->Handle());
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kWidth;
  info.bmiHeader.biHeight = -kHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dibDC = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dibDC, dib);
  PatBlt(dibDC, 0, 0, kWidth, kHeight, WHITENESS);

  skinner->PaintWindow(dc); // the frames the paints use are made once here
  Figures paint, blit;
  for (int i = 0; i < runs; ++i) {
    double t = Now();
    skinner->PaintWindow(dc);
    GdiFlush();
    paint.Add(Now() - t);
    t = Now();
    BitBlt(dc, 0, 0, kWidth, kHeight, dibDC, 0, 0, SRCCOPY);
    GdiFlush();
    blit.Add(Now() - t);
  }
  Figures fresh;
  const int freshRuns = std::max(5, runs / 5);
  for (int i = 0; i < freshRuns; ++i) {
    skinner->SkinChanged(); // drops the kept frames (and repaints at once)
    const double t = Now();
    skinner->PaintWindow(dc);
    GdiFlush();
    fresh.Add(Now() - t);
  }
  SelectObject(dibDC, old);
  DeleteDC(dibDC);
  DeleteObject(dib);
  ReleaseDC(button->Handle(), dc);

  paint.Print("button repaint 400x30 (kept frames)");
  blit.Print("plain BitBlt 400x30");
  fresh.Print("button repaint 400x30 (frame sliced anew)");
  return 0;
}

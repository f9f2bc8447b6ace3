// Times the skinned memo of a real skinned framework form with our default skin:
//   frame     the memo's non-client repaint (the native frame and bar, then the skin's
//             border over them through the window DC);
//   overlay   one paint of the vertical bar's overlay (the native bar read, the bar composed
//             from cached frames, one blit);
// each beside a plain BitBlt of the same area to the same window, interleaved in one run.
// Each figure is the minimum and median of many runs, timed with QueryPerformanceCounter.
// and, for scale, the skin's border alone and the native frame alone.
// Usage: bench_win_memo [runs]
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
#include "skin/controls/SkinScrollbar.h"
#include "skin/controls/WScrollbar.h"
#include "skin/data/DibBitmap.h"
#include "skin/data/SkinComponents.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/SkinManage.h"
#include "skin/form/WinSkinForm.h"

namespace {

using namespace vcu;

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
    std::printf("%-40s min %9.1f us   median %9.1f us   (%zu runs)\n", name, samples.front(),
                samples[samples.size() / 2], samples.size());
  }
};

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

std::vector<std::uint8_t> SkinStream(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::uint8_t> archive((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::uint8_t> stream(archive.size() + 4);
  const auto n = static_cast<std::uint32_t>(archive.size());
  for (size_t i = 0; i < 4; ++i) stream[i] = static_cast<std::uint8_t>(n >> (8 * i));
  std::copy(archive.begin(), archive.end(), stream.begin() + 4);
  return stream;
}

TSkinScrollbar* MemoSkinner(HWND form, HWND memo) {
  TWinSkinForm* skinner = TSkinManage::Instance()->FindSkinForm(form);
  if (!skinner || skinner->State() != lsRunning) return nullptr;
  for (TSkinControl* c : skinner->SkinnedControls())
    if (c->Handle() == memo) return dynamic_cast<TSkinScrollbar*>(c);
  return nullptr;
}

// A plain copy of width x height from a memory bitmap to dc, as a paint makes it.
class PlainBlit {
public:
  PlainBlit(int width, int height) : width_(width), height_(height) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    old_ = SelectObject(dc_, bitmap_);
    PatBlt(dc_, 0, 0, width, height, WHITENESS);
    ReleaseDC(nullptr, screen);
  }
  ~PlainBlit() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  void To(HDC dc) const { BitBlt(dc, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY); }

private:
  int width_, height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

} // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(5, std::atoi(argv[1])) : 300;
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
    std::fprintf(stderr, "no usable skin\n");
    return 1;
  }

  TForm form(nullptr);
  form.SetBounds(100, 100, 420, 330);
  form.SetCaption("Memo benchmark");
  auto* memo = new TMemo(&form);
  memo->SetBounds(0, 80, 388, 250); // the main window's memo
  memo->SetScrollBars(ssVertical);
  memo->SetParent(&form);
  std::string text;
  for (int i = 1; i <= 200; ++i) text += "Line " + std::to_string(i) + " of the log\r\n";
  memo->SetCaption(text);
  form.Show();
  HWND window = form.Handle(), memoWindow = memo->Handle();
  TSkinScrollbar* skinner = nullptr;
  if (!PumpUntil([&] {
        skinner = MemoSkinner(window, memoWindow);
        return skinner && skinner->VertBar() && skinner->VertBar()->Shown();
      })) {
    std::fprintf(stderr, "the memo's bar was not skinned\n");
    return 1;
  }
  HWND overlay = skinner->VertBar()->Handle();
  RECT memoRect, barRect;
  GetWindowRect(memoWindow, &memoRect);
  GetWindowRect(overlay, &barRect);
  const int memoW = memoRect.right - memoRect.left, memoH = memoRect.bottom - memoRect.top;
  const int barW = barRect.right - barRect.left, barH = barRect.bottom - barRect.top;
  std::printf("memo %d x %d, bar overlay %d x %d\n", memoW, memoH, barW, barH);

  const PlainBlit memoBlit(memoW, memoH), barBlit(barW, barH);
  Figures frame, overlayPaint, both, plainMemo, plainBar;
  for (int i = 0; i < runs; ++i) {
    double t = Now();
    SendMessageW(memoWindow, WM_NCPAINT, 1, 0);
    GdiFlush();
    const double f = Now() - t;
    frame.Add(f);
    t = Now();
    RedrawWindow(overlay, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    GdiFlush();
    const double o = Now() - t;
    overlayPaint.Add(o);
    both.Add(f + o);
    t = Now();
    HDC dc = GetWindowDC(memoWindow);
    memoBlit.To(dc);
    ReleaseDC(memoWindow, dc);
    GdiFlush();
    plainMemo.Add(Now() - t);
    t = Now();
    dc = GetDC(overlay);
    barBlit.To(dc);
    ReleaseDC(overlay, dc);
    GdiFlush();
    plainBar.Add(Now() - t);
  }
  // The skin's border alone, through the skin's print-frame request into the window DC, and
  // the native frame alone, with the memo's skinner switched off for the while.
  Figures border, nativeFrame;
  HDC windowDC = GetWindowDC(memoWindow);
  for (int i = 0; i < runs; ++i) {
    const double t = Now();
    SendMessageW(memoWindow, SKINMSG_PRINTFRAME, reinterpret_cast<WPARAM>(windowDC), kPrintAnswer);
    GdiFlush();
    border.Add(Now() - t);
  }
  ReleaseDC(memoWindow, windowDC);
  SendMessageW(memoWindow, SKINMSG_ACTIVE, 0, 0);
  for (int i = 0; i < runs; ++i) {
    const double t = Now();
    SendMessageW(memoWindow, WM_NCPAINT, 1, 0);
    GdiFlush();
    nativeFrame.Add(Now() - t);
  }
  SendMessageW(memoWindow, SKINMSG_ACTIVE, 1, 0);
  frame.Print("memo frame (native + skin border)");
  border.Print("skin border alone");
  nativeFrame.Print("native memo frame alone, unskinned");
  overlayPaint.Print("bar overlay paint");
  both.Print("memo frame + bar overlay");
  plainMemo.Print("plain BitBlt, memo window area");
  plainBar.Print("plain BitBlt, bar area");
  return 0;
}

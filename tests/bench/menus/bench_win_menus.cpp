// Times the skinned menus with our default skin: (1) the menu bar of an 800-pixel-wide plain
// window composed (background, captions) and put on the window in one blit, beside a plain
// BitBlt of the same bar area; (2) a 20-item popup's items measured and drawn by the item
// painter on the popup's skinned background, beside a plain BitBlt of the popup's area.
// Minimum and median of many runs, timed with QueryPerformanceCounter.
// Usage: bench_win_menus [runs]
#include <windows.h>

#include "WinBench.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/Startup.h"
#include "core/menus/MenuComposer.h"
#include "framework/Forms.h"
#include "skin/controls/PaintBuffer.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/SkinManage.h"
#include "skin/form/WinSkinForm.h"
#include "skin/menus/MenuItemPainter.h"
#include "skin/menus/WinSkinMenu.h"

namespace {

using namespace vcu;
using namespace vcu::bench;

HMENU BarMenu() {
  HMENU bar = CreateMenu();
  const wchar_t* captions[] = {L"&File", L"&Edit", L"&View", L"&Insert", L"F&ormat", L"&Tools", L"&Window", L"&Help"};
  for (const wchar_t* caption : captions) {
    HMENU drop = CreatePopupMenu();
    AppendMenuW(drop, MF_STRING, 100, L"Item");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(drop), caption);
  }
  return bar;
}

} // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(5, std::atoi(argv[1])) : 300;
  InitialiseApplication();
  TSkinData data(nullptr);
  if (!LoadStoredSkin(data, VCU_STORED_SKIN_FILE)) {
    std::fprintf(stderr, "the stored skin did not load\n");
    return 1;
  }
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = L"VcuMenuBench";
  RegisterClassW(&wc);
  HWND window = CreateWindowExW(0, L"VcuMenuBench", L"Menus", WS_OVERLAPPEDWINDOW, 20, 20, 800, 500, nullptr, BarMenu(),
                                wc.hInstance, nullptr);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  auto skinner = [&] { return TSkinManage::Instance() ? TSkinManage::Instance()->FindSkinForm(window) : nullptr; };
  PumpUntil([&] { return GetActiveWindow() == window; });
  if (!skinner()) TSkinManage::Instance()->SkinWindow(window);
  if (!PumpUntil([&] { return skinner() && skinner()->State() == lsRunning && skinner()->SkinMenu(); })) {
    std::fprintf(stderr, "the window and its bar were not skinned\n");
    return 1;
  }
  TWinSkinForm& form = *skinner();
  form.PaintFrame();
  const Rect bar = form.SkinMenu()->BarRect();
  RECT frame{};
  GetWindowRect(window, &frame);
  std::printf("bar %d x %d of a %ld-pixel window, %d buttons\n", bar.Width(), bar.Height(), frame.right - frame.left,
              form.SkinMenu()->Count());

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 800, 800);
  HGDIOBJ old = SelectObject(memory, bitmap);
  ReleaseDC(nullptr, screen);

  // (1) the bar: composed into a canvas of the window's size, copied in one blit.
  TPaintBuffer canvas;
  canvas.Prepare(frame.right - frame.left, frame.bottom - frame.top);
  Figures barPaint, barBlit;
  for (int i = 0; i < runs; ++i) {
    HDC dc = GetWindowDC(window);
    double t0 = Now();
    form.SkinMenu()->PaintMenuBar(canvas.Pixels(), canvas.DC(), bar, true);
    BitBlt(dc, bar.left, bar.top, bar.Width(), bar.Height(), canvas.DC(), bar.left, bar.top, SRCCOPY);
    GdiFlush();
    barPaint.samples.push_back(Now() - t0);
    t0 = Now();
    BitBlt(dc, bar.left, bar.top, bar.Width(), bar.Height(), memory, 0, 0, SRCCOPY);
    GdiFlush();
    barBlit.samples.push_back(Now() - t0);
    ReleaseDC(window, dc);
    PumpWaiting();
  }
  barPaint.Print("menu bar paint (compose + one blit)");
  barBlit.Print("plain BitBlt of the bar area");

  // (2) a 20-item popup: 14 commands with shortcuts, 3 checked, 3 separators, disabled ones.
  constexpr int kItems = 20;
  std::vector<std::wstring> texts;
  for (int i = 0; i < kItems; ++i)
    texts.push_back(i % 7 == 6 ? std::wstring() : L"Command number " + std::to_wstring(i) + L"\tCtrl+" + std::to_wstring(i));
  std::vector<MenuItemSize> sizes(kItems);
  int popupWidth = 0, popupHeight = 6;
  for (int i = 0; i < kItems; ++i) {
    sizes[i] = TMenuItemPainter::Measure(texts[i], 0, data);
    popupWidth = std::max(popupWidth, sizes[i].width);
    popupHeight += sizes[i].height;
  }
  popupWidth += 6;
  TPaintBuffer popupBackground;
  popupBackground.Prepare(popupWidth, popupHeight);
  ComposeMenuBackground(popupBackground.Pixels(), *data.MenuBackground);
  TPaintBuffer target;
  target.Prepare(popupWidth, popupHeight);
  TMenuItemPainter painter;
  Figures popupPaint, popupBlit;
  HDC dc = GetWindowDC(window);
  for (int run = 0; run < runs; ++run) {
    double t0 = Now();
    int y = 3;
    for (int i = 0; i < kItems; ++i) {
      const MenuItemSize size = TMenuItemPainter::Measure(texts[i], 0, data);
      DRAWITEMSTRUCT draw{};
      draw.CtlType = ODT_MENU;
      draw.itemID = 0xF000 + i;
      draw.hDC = target.DC();
      draw.rcItem = RECT{3, y, popupWidth - 3, y + size.height};
      MenuItemLook look;
      SetItemText(look, texts[i]);
      look.checked = i % 5 == 1;
      look.enabled = i % 9 != 8;
      look.selected = i == 3;
      painter.Draw(draw, look, data, &popupBackground.Pixels());
      y += size.height;
    }
    BitBlt(dc, 0, 0, popupWidth, popupHeight, target.DC(), 0, 0, SRCCOPY);
    GdiFlush();
    popupPaint.samples.push_back(Now() - t0);
    t0 = Now();
    BitBlt(dc, 0, 0, popupWidth, popupHeight, memory, 0, 0, SRCCOPY);
    GdiFlush();
    popupBlit.samples.push_back(Now() - t0);
  }
  ReleaseDC(window, dc);
  std::printf("popup %d x %d, %d items\n", popupWidth, popupHeight, kItems);
  popupPaint.Print("popup: measure + draw of 20 items, one blit");
  popupBlit.Print("plain BitBlt of the popup area");

  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  DestroyWindow(window);
  ShutdownApplication();
  return 0;
}

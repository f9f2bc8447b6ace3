// Times the status-bar, header and list-view skinners on a real skinned framework form with
// our default skin: one whole repaint of each (composition from the kept frames, texts, the
// one blit onto the window's DC) beside a plain BitBlt of the same area onto the same DC,
// interleaved in the same run. Status bar: 4 panels and the size grip; header: 4 sections;
// list view: its frame (border) repaint, the scroll-bar overlays painting on their own.
// Each figure is the minimum and median of many runs, timed with QueryPerformanceCounter.
// Usage: bench_win_lists [runs]
#include <windows.h>

#include "WinBench.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "framework/Forms.h"
#include "framework/ListView.h"
#include "framework/StatusBar.h"
#include "framework/Win32Platform.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/DibBitmap.h"
#include "skin/data/SkinComponents.h"
#include "skin/data/WinSkinData.h"

namespace {

using namespace vcu;
using namespace vcu::bench;

void Time(TSkinControl* skinner, HWND window, int runs, const std::string& what) {
  RECT r;
  GetWindowRect(window, &r);
  HDC dc = GetWindowDC(window);
  TimeBesideBlit(what, dc, r.right - r.left, r.bottom - r.top, runs, [&] { skinner->PaintWindow(dc); });
  ReleaseDC(window, dc);
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
  form.SetBounds(100, 100, 560, 400);
  form.SetCaption("Lists benchmark");
  auto* bar = new TStatusBar(&form);
  bar->SetParent(&form);
  bar->SetHeight(22);
  const char* texts[] = {"Connected", "192.168.1.201", "", "Records: 1024"};
  for (const char* text : texts) {
    TStatusPanel* panel = bar->AddPanel();
    panel->SetWidth(120);
    panel->SetText(text);
  }
  bar->Panels(1)->SetBevel(pbRaised);
  bar->Panels(2)->SetBevel(pbNone);
  auto* header = new THeaderControl(&form);
  header->SetParent(&form);
  header->SetBounds(10, 10, 500, 24);
  header->AddSection("Name", 150);
  header->AddSection("Value", 100, taRightJustify);
  header->AddSection("Unit", 80, taCenter);
  header->AddSection("Note", 120);
  auto* list = new TListView(&form);
  list->SetParent(&form);
  list->SetBounds(10, 50, 500, 250);
  list->AddColumn("Name", 200);
  list->AddColumn("Value", 120, taRightJustify);
  for (int i = 0; i < 60; ++i) list->AddItem("Row " + std::to_string(i), {std::to_string(i * 7)});
  form.Show();
  HWND window = form.Handle();
  TSkinControl* skinners[3] = {};
  const HWND windows[3] = {bar->Handle(), header->Handle(), list->Handle()};
  if (!PumpUntil([&] {
        for (int i = 0; i < 3; ++i)
          if (!(skinners[i] = SkinnerOf(window, windows[i]))) return false;
        return true;
      })) {
    std::fprintf(stderr, "the controls were not skinned\n");
    return 1;
  }
  PumpWaiting();
  Time(skinners[0], windows[0], runs, "status bar");
  Time(skinners[1], windows[1], runs, "header");
  Time(skinners[2], windows[2], runs, "list view frame");
  return 0;
}

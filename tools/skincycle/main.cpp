// skincycle <file.bmp> [--skin FILE]: builds the real main window as the program does (the
// application started, the stand-in terminal kit registered in this process, the window made
// from its stored layout), waits until it is skinned, switches its skin data off and on again,
// waiting each time for the skin manager to carry the request out, then saves the screen area
// of the window as a 24-bit BMP file. With --skin, the running window is then switched live to
// that skin file (its skin data reads the file) before the screen is saved.
//
// Exit status: 0 saved, 1 a step did not happen in time or the file could not be written,
// 2 wrong use.
#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "app/Main.h"
#include "app/Startup.h"
#include "core/image/Bmp.h"
#include "kit-sim/ClassRegistration.h"
#include "skin/data/DibBitmap.h"
#include "skin/data/ProgramResources.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/SkinManage.h"
#include "skin/form/WinSkinForm.h"

namespace vcu {
namespace {

constexpr DWORD kStepTimeoutMs = 10000;

// Runs the application's messages until the condition holds or the time is up.
bool PumpUntil(const std::function<bool()>& done) {
  for (const DWORD start = GetTickCount(); GetTickCount() - start < kStepTimeoutMs;) {
    Application->ProcessMessages();
    if (done()) return true;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  return false;
}

TWinSkinForm* SkinnerOf(HWND window) {
  TSkinManage* manager = TSkinManage::Instance();
  return manager ? manager->FindSkinForm(window) : nullptr;
}

bool Skinned(HWND window) {
  TWinSkinForm* skinned = SkinnerOf(window);
  return skinned && skinned->State() == lsRunning;
}

bool Fail(const char* why) {
  std::fprintf(stderr, "skincycle: %s\n", why);
  return false;
}

bool SaveScreenArea(HWND window, const char* path) {
  RECT r;
  GetWindowRect(window, &r);
  Bitmap shot(r.right - r.left, r.bottom - r.top, PixelFormat::Bits24, &AllocateDibPixels);
  {
    BitmapDC target(shot);
    HDC screen = GetDC(nullptr);
    BitBlt(target.Get(), 0, 0, shot.Width(), shot.Height(), screen, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
  }
  const std::vector<std::uint8_t> file = EncodeBmp24(shot);
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  return out.good() || Fail("the file could not be written");
}

// The skin data reads the file and the manager carries the refresh out on its timer.
bool SwitchLive(TSkinData& data, HWND window, const char* skinFile) {
  data.SetSkinFile(skinFile);
  if (data.SkinEmpty) return Fail("the skin file could not be read");
  TSkinManage* manager = TSkinManage::Instance();
  if (!PumpUntil([manager] { return !manager->TimerEnabled(); })) return Fail("the switch was not carried out");
  return Skinned(window) || Fail("the window lost its skin in the switch");
}

bool Cycle(const char* path, const char* skinFile) {
  kitsim::ClassRegistration kit;
  auto* form = Application->CreateForm<TfrmMain>();
  HWND window = form->Handle();
  SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadProgramIcon(
      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON))));
  form->Show();
  auto* data = dynamic_cast<TSkinData*>(form->FindComponent("SkinData1"));
  if (!data) return Fail("the main window has no SkinData1");
  if (!PumpUntil([window] { return Skinned(window); })) return Fail("the window was never skinned");
  data->SetActive(false);
  if (!PumpUntil([window] { return SkinnerOf(window) == nullptr; })) return Fail("skinning did not go off");
  data->SetActive(true);
  if (!PumpUntil([window] { return Skinned(window); })) return Fail("skinning did not come back");
  if (skinFile && !SwitchLive(*data, window, skinFile)) return false;
  // Painted in full, then a moment for the screen to show it.
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpUntil([start = GetTickCount()] { return GetTickCount() - start > 300; });
  return SaveScreenArea(window, path);
}

} // namespace
} // namespace vcu

int main(int argc, char** argv) {
  const bool withSkin = argc == 4 && std::string(argv[2]) == "--skin";
  if (argc != 2 && !withSkin) {
    std::fputs("usage: skincycle <file.bmp> [--skin FILE]\n", stderr);
    return 2;
  }
  CoInitialize(nullptr);
  vcu::InitialiseApplication();
  bool saved = false;
  try {
    saved = vcu::Cycle(argv[1], withSkin ? argv[3] : nullptr);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "skincycle: %s\n", error.what());
  }
  vcu::ShutdownApplication();
  return saved ? 0 : 1;
}

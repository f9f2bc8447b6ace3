// gallery [--skin <file>] [--unskinned] [--ready-file <path>] [--bench <file>]: the gallery
// window, skinned with our default skin, or with the skin file given (read through the
// window's skin data before it shows, as a program that names a SkinFile reads it);
// --unskinned: skinning switched off once it is on, as View > Skinned does.
// With --ready-file the window writes the file once it is shown as asked (skinned or not),
// and closes itself when the file is removed: a headless run takes its screenshot in between.
// With --bench it times its full repaint and its live skin switch into the file, then closes.
#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "GalleryBench.h"
#include "GalleryForm.h"
#include "skin/data/ProgramResources.h"
#include "skin/data/SkinComponents.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/SkinManage.h"
#include "skin/form/WinSkinForm.h"

namespace vcu {
namespace {

constexpr UINT_PTR kWatchTimer = 1;
constexpr UINT_PTR kBenchTimer = 2;
std::string readyFile;
std::string skinFile;
std::string benchFile;
bool readyWritten = false;
bool unskinned = false;
bool switchedOff = false;

bool Skinned(HWND window) {
  TSkinManage* manager = TSkinManage::Instance();
  TWinSkinForm* skinner = manager ? manager->FindSkinForm(window) : nullptr;
  return skinner && skinner->State() == lsRunning;
}

// Every half second: once skinned, write the ready file; once it is gone again, close.
void CALLBACK Watch(HWND window, UINT, UINT_PTR, DWORD) {
  if (!readyWritten) {
    bool skinned = Skinned(window);
    // Switched off as a user would: once skinned, by the View menu's command.
    if (unskinned && !switchedOff) {
      if (!skinned) return;
      if (auto* form = dynamic_cast<TfrmGallery*>(FindControl(window))) form->SetSkinned(false);
      switchedOff = true;
      return;
    }
    if (skinned == unskinned) return;
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    if (FILE* f = std::fopen(readyFile.c_str(), "w")) {
      std::fputs("ready\n", f);
      std::fclose(f);
      readyWritten = true;
    }
    return;
  }
  if (GetFileAttributesA(readyFile.c_str()) == INVALID_FILE_ATTRIBUTES) PostMessageA(window, WM_CLOSE, 0, 0);
}

// Once skinned: the figures written, then the gallery closes.
void CALLBACK Bench(HWND window, UINT, UINT_PTR, DWORD) {
  auto* form = dynamic_cast<TfrmGallery*>(FindControl(window));
  if (!form || !Skinned(window)) return;
  KillTimer(window, kBenchTimer);
  if (!WriteGalleryBench(*form, benchFile, 40)) std::fprintf(stderr, "gallery: cannot write %s\n", benchFile.c_str());
  PostMessageA(window, WM_CLOSE, 0, 0);
}

} // namespace
} // namespace vcu

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace vcu;
  for (int i = 1; i < __argc; ++i) {
    std::string arg = __argv[i];
    if (arg == "--ready-file" && i + 1 < __argc) readyFile = __argv[++i];
    else if (arg == "--skin" && i + 1 < __argc) skinFile = __argv[++i];
    else if (arg == "--bench" && i + 1 < __argc) benchFile = __argv[++i];
    else if (arg == "--unskinned") unskinned = true;
  }
  Application->Initialize();
  Application->SetTitle("Vantorix Gallery");
  StartSkinEngine(Application->Title());
  try {
    auto* form = Application->CreateForm<TfrmGallery>();
    form->RememberStoredSkin();
    if (!skinFile.empty()) {
      // A file that is missing or cannot be read would leave the window unskinned for good
      // (the skin data then refuses to switch on), so it ends the run instead.
      TSkinData* skin = form->SkinData();
      if (!skin) throw std::runtime_error("the gallery window has no skin data");
      skin->SetSkinFile(skinFile);
      if (skin->SkinEmpty) throw std::runtime_error("cannot read the skin file " + skinFile);
      form->RememberStoredSkin();
    }
    HWND window = form->Handle();
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadProgramIcon(
        GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON))));
    if (!readyFile.empty()) SetTimer(window, kWatchTimer, 500, Watch);
    if (!benchFile.empty()) SetTimer(window, kBenchTimer, 500, Bench);
  } catch (const std::exception& error) {
    Application->ShowException(error);
    TSkinManage::Destroy();
    return 1;
  }
  Application->Run();
  TSkinManage::Destroy();
  Application->DestroyComponents();
  return 0;
}

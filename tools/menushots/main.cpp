// menushots <folder>: a plain window with a menu bar, skinned with our default skin, saved as
// the screen shows it in four moments: the View drop-down open with its Zoom submenu
// (menu-dropdown.bmp), a context menu open (menu-context.bmp), the skinned system menu open
// (menu-system.bmp) and the window maximised (menu-maximised.bmp). Ends with 0 when all four
// were written.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/Startup.h"
#include "core/image/Bmp.h"
#include "framework/Forms.h"
#include "skin/data/DibBitmap.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/SkinManage.h"
#include "skin/form/SystemMenu.h"
#include "skin/form/WinSkinForm.h"
#include "skin/menus/WinSkinMenu.h"

namespace {

using namespace vcu;

std::string folder;
int written = 0;

void PumpFor(DWORD ms) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

// The whole screen, as a 24-bit BMP file in the folder.
void Shot(const char* name) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  HDC screen = GetDC(nullptr);
  const BITMAPINFO info = TopDownInfo(width, height);
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, section);
  BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
  GdiFlush();
  Bitmap image(width, height);
  const auto* pixels = static_cast<const Pixel*>(bits);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.Set(x, y, pixels[static_cast<size_t>(y) * width + x] & 0xFFFFFF);
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(section);
  ReleaseDC(nullptr, screen);
  const std::vector<std::uint8_t> file = EncodeBmp24(image);
  std::ofstream out(folder + "\\" + name, std::ios::binary);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  if (out) ++written;
}

// Steps run from a timer inside the menus' modal loops.
std::vector<void (*)()> steps;
size_t nextStep = 0;
void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (nextStep < steps.size()) steps[nextStep++]();
}

void Key(UINT key) {
  HWND menu = FindWindowW(L"#32768", nullptr);
  PostMessageW(menu ? menu : GetFocus(), WM_KEYDOWN, key, 1);
}

std::vector<std::uint8_t> StoredSkin() {
  std::ifstream file(VCU_STORED_SKIN_FILE, std::ios::binary);
  std::vector<std::uint8_t> archive((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  // The stored form: the archive behind its four-byte length.
  std::vector<std::uint8_t> stream(archive.size() + 4);
  for (size_t i = 0; i < 4; ++i) stream[i] = static_cast<std::uint8_t>(archive.size() >> (8 * i));
  std::copy(archive.begin(), archive.end(), stream.begin() + 4);
  return stream;
}

HMENU Menus() {
  HMENU file = CreatePopupMenu(), edit = CreatePopupMenu(), view = CreatePopupMenu(), zoom = CreatePopupMenu(),
        help = CreatePopupMenu(), bar = CreateMenu();
  AppendMenuW(file, MF_STRING, 101, L"&New\tCtrl+N");
  AppendMenuW(file, MF_STRING, 102, L"&Open...\tCtrl+O");
  AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(file, MF_STRING, 103, L"E&xit");
  AppendMenuW(edit, MF_STRING | MF_GRAYED, 201, L"&Undo\tCtrl+Z");
  AppendMenuW(edit, MF_STRING | MF_CHECKED, 202, L"&Word wrap");
  AppendMenuW(zoom, MF_STRING, 301, L"Zoom &in");
  AppendMenuW(zoom, MF_STRING, 302, L"Zoom &out");
  AppendMenuW(view, MF_POPUP, reinterpret_cast<UINT_PTR>(zoom), L"&Zoom");
  AppendMenuW(view, MF_STRING | MF_CHECKED, 303, L"&Status bar");
  AppendMenuW(help, MF_STRING, 401, L"&About");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), L"&Edit");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(view), L"&View");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"&Help");
  return bar;
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: menushots <folder>\n");
    return 2;
  }
  folder = argv[1];
  InitialiseApplication();
  TSkinData data(nullptr);
  data.SetLoading(true);
  data.SetSkinFormtype(sfMainform);
  data.SetActive(true);
  data.ReadSkinStream(StoredSkin());
  data.Loaded();
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = L"VcuMenuShots";
  RegisterClassW(&wc);
  HWND window = CreateWindowExW(0, L"VcuMenuShots", L"Skinned menus", WS_OVERLAPPEDWINDOW, 60, 50, 520, 340, nullptr,
                                Menus(), wc.hInstance, nullptr);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  PumpFor(300);
  TSkinManage* manager = TSkinManage::Instance();
  if (manager && !manager->FindSkinForm(window)) manager->SkinWindow(window);
  PumpFor(500);
  TWinSkinForm* skinner = manager ? manager->FindSkinForm(window) : nullptr;
  if (!skinner || !skinner->SkinMenu()) {
    std::fprintf(stderr, "menushots: the window was not skinned\n");
    return 1;
  }
  const UINT_PTR timer = SetTimer(nullptr, 0, 250, &Tick);
  // The View drop-down: its first item (Zoom) comes up selected, Right opens the submenu.
  steps = {[] { Key(VK_RIGHT); }, [] {}, [] { Shot("menu-dropdown.bmp"); }, [] { EndMenu(); }};
  nextStep = 0;
  skinner->SkinMenu()->Open(skinner->SkinMenu()->Button(2));
  PumpFor(300);
  steps = {[] { Key(VK_DOWN); }, [] { Shot("menu-context.bmp"); }, [] { EndMenu(); }};
  nextStep = 0;
  TrackPopupMenu(GetSubMenu(skinner->SkinMenu()->Menu(), 0), TPM_LEFTALIGN | TPM_TOPALIGN, 260, 220, 0, window,
                 nullptr);
  PumpFor(600); // past the double-click time, so the system menu opens
  steps = {[] { Key(VK_DOWN); }, [] { Shot("menu-system.bmp"); }, [] { EndMenu(); }};
  nextStep = 0;
  skinner->SkinSystemMenu().Show(POINT{90, 80});
  KillTimer(nullptr, timer);
  PumpFor(300);
  ShowWindow(window, SW_MAXIMIZE);
  PumpFor(800);
  Shot("menu-maximised.bmp");
  DestroyWindow(window);
  ShutdownApplication();
  return written == 4 ? 0 : 1;
}

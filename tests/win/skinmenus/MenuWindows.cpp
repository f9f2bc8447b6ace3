#include "MenuWindows.h"

#include <chrono>

#include "core/image/Blit.h"
#include "core/menus/MenuComposer.h"
#include "skin/menus/WinSkinMenu.h"
#include "support/Pixels.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

LRESULT CALLBACK MenuWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

struct ScriptState {
  std::vector<std::function<void()>> steps;
  size_t next = 0;
  int idleTicks = 0;
  std::chrono::steady_clock::time_point deadline;
  bool expired = false;
};
ScriptState script;

void Append(HMENU menu, UINT flags, UINT_PTR id, const wchar_t* text, bool rightOrder) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | ((flags & MF_POPUP) ? MIIM_SUBMENU : 0);
  info.fType = (flags & MF_SEPARATOR ? MFT_SEPARATOR : MFT_STRING) | (rightOrder ? MFT_RIGHTORDER : 0);
  info.fState = (flags & MF_GRAYED ? MFS_GRAYED : 0) | (flags & MF_CHECKED ? MFS_CHECKED : 0);
  info.wID = (flags & MF_POPUP) ? 0 : static_cast<UINT>(id);
  if (flags & MF_POPUP) info.hSubMenu = reinterpret_cast<HMENU>(id);
  info.dwTypeData = const_cast<wchar_t*>(text);
  InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
}

} // namespace

MenuWindowLog& TestWindowLog() {
  static MenuWindowLog log;
  return log;
}

namespace {
LRESULT CALLBACK MenuWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND && lParam == 0) ++TestWindowLog().commands[LOWORD(wParam)];
  if (msg == WM_INITMENUPOPUP) TestWindowLog().dropDowns.push_back(reinterpret_cast<HMENU>(wParam));
  return DefWindowProcW(window, msg, wParam, lParam);
}
} // namespace

HMENU MakeTestMenu(bool rightOrder) {
  HMENU file = CreatePopupMenu(), edit = CreatePopupMenu(), view = CreatePopupMenu(), zoom = CreatePopupMenu(),
        help = CreatePopupMenu();
  Append(file, 0, kNew, L"&New\tCtrl+N", rightOrder);
  Append(file, 0, kOpen, L"&Open...", rightOrder);
  Append(file, MF_SEPARATOR, 0, L"", rightOrder);
  Append(file, 0, kExit, L"E&xit", rightOrder);
  Append(edit, MF_GRAYED, kUndo, L"&Undo", rightOrder);
  Append(edit, MF_CHECKED, kWrap, L"&Word wrap", rightOrder);
  Append(zoom, 0, kZoomIn, L"Zoom &in", rightOrder);
  Append(zoom, 0, kZoomOut, L"Zoom &out", rightOrder);
  Append(view, MF_POPUP, reinterpret_cast<UINT_PTR>(zoom), L"&Zoom", rightOrder);
  Append(help, 0, kAbout, L"&About", rightOrder);
  HMENU bar = CreateMenu();
  Append(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File", rightOrder);
  Append(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), L"&Edit", rightOrder);
  Append(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(view), L"&View", rightOrder);
  Append(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"&Help", rightOrder);
  return bar;
}

void MenuWindowTest::SetUp() {
  SkinnedFormTest::SetUp();
  TestWindowLog() = MenuWindowLog{};
  WNDCLASSW wc{};
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!GetClassInfoW(instance, L"VcuMenuTestWindow", &wc)) {
    wc.lpfnWndProc = &MenuWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"VcuMenuTestWindow";
    ASSERT_TRUE(RegisterClassW(&wc));
  }
}

void MenuWindowTest::TearDown() {
  if (window_ && IsWindow(window_)) DestroyWindow(window_);
  window_ = nullptr;
  SkinnedFormTest::TearDown();
}

HWND MenuWindowTest::CreateMenuWindow(bool rightOrder) {
  menu_ = MakeTestMenu(rightOrder);
  window_ = CreateWindowExW(0, L"VcuMenuTestWindow", L"Menus", WS_OVERLAPPEDWINDOW, 60, 60, 520, 360, nullptr, menu_,
                            GetModuleHandleW(nullptr), nullptr);
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  SetActiveWindow(window_);
  PumpUntil([this] { return GetActiveWindow() == window_; }, "the menu window to be activated");
  return window_;
}

void MenuWindowTest::SkinMenuWindow() {
  SkinOn();
  if (!RunningSkinner(window_)) Manager().SkinWindow(window_);
  ASSERT_TRUE(PumpUntilSkinned(window_));
  ASSERT_NE(Skinner()->SkinMenu(), nullptr) << "no skinned bar";
  // The frame (with the bar) has been painted once, so the buttons have their places.
  Skinner()->PaintFrame();
}

TWinSkinMenu& MenuWindowTest::Bar() const { return *Skinner()->SkinMenu(); }

POINT MenuWindowTest::ButtonCentre(int index) const {
  RECT frame{};
  GetWindowRect(window_, &frame);
  const Rect& r = Bar().Button(index).Bounds;
  return POINT{frame.left + (r.left + r.right) / 2, frame.top + (r.top + r.bottom) / 2};
}

std::vector<HWND> OpenMenuWindows() {
  std::vector<HWND> found;
  for (HWND w = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); w; w = FindWindowExW(nullptr, w, L"#32768", nullptr))
    if (IsWindowVisible(w)) found.push_back(w);
  return found;
}

MenuScript::MenuScript(std::vector<std::function<void()>> steps) {
  script = ScriptState{};
  script.steps = std::move(steps);
  script.deadline = std::chrono::steady_clock::now() + kDeadline;
  timer_ = SetTimer(nullptr, 0, 40, &MenuScript::Tick);
}

MenuScript::~MenuScript() {
  KillTimer(nullptr, timer_);
  if (script.expired) ADD_FAILURE() << "the menu script ran past its deadline";
}

bool MenuScript::Finished() const { return script.next >= script.steps.size(); }

void CALLBACK MenuScript::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (script.next < script.steps.size()) {
    // The step may run a modal loop of its own; the next tick must not re-enter it.
    auto step = script.steps[script.next++];
    step();
    return;
  }
  // Done: whatever menu is still open is closed, a few ticks on.
  if (++script.idleTicks > 3 && !OpenMenuWindows().empty()) EndMenu();
  if (std::chrono::steady_clock::now() > script.deadline && !script.expired) {
    script.expired = true;
    EndMenu();
  }
}

void ClickMenuItem(HWND, HMENU menu, int position) {
  RECT r{};
  if (!GetMenuItemRect(nullptr, menu, static_cast<UINT>(position), &r)) {
    ADD_FAILURE() << "the item is not on screen";
    return;
  }
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  INPUT clicks[2]{};
  clicks[0].type = clicks[1].type = INPUT_MOUSE;
  clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, clicks, sizeof(INPUT));
}

void PressMenuKey(UINT key) {
  HWND target = GetFocus();
  for (HWND w = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); w; w = FindWindowExW(nullptr, w, L"#32768", nullptr))
    if (IsWindowVisible(w)) {
      target = w;
      break;
    }
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

Bitmap ReadWholeWindow(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  HDC dc = GetWindowDC(window);
  Bitmap pixels = ReadPixels(dc, RECT{0, 0, r.right - r.left, r.bottom - r.top});
  ReleaseDC(window, dc);
  return pixels;
}

int RowDifferences(const Bitmap& image, const Bitmap& expected, int y, int x0, int x1) {
  int differ = 0;
  for (int x = x0; x < x1; ++x) differ += (image.At(x, y) & 0xFFFFFF) != (expected.At(x, y) & 0xFFFFFF);
  return differ;
}

int ItemEdgeDifferences(const Bitmap& shown, HWND popup, HMENU menu, UINT position, const TSkinData& skin,
                        bool selected) {
  Bitmap background(shown.Width(), shown.Height());
  ComposeMenuBackground(background, *skin.MenuBackground);
  RECT window{}, item{};
  GetWindowRect(popup, &window);
  GetMenuItemRect(nullptr, menu, position, &item);
  const int x = item.left - window.left, y = item.top - window.top;
  const int w = item.right - item.left, h = item.bottom - item.top;
  Bitmap expected(w, h);
  ComposeMenuItemGround(expected, &background, Rect{x, y, x + w, y + h}, skin.ColourMenu);
  ComposeMenuItemFrame(expected, *skin.MenuItem, selected);
  Bitmap got(w, h);
  CopyPixels(got, 0, 0, shown, Rect{x, y, x + w, y + h});
  return RowDifferences(got, expected, 0, 0, w) + RowDifferences(got, expected, h - 1, 0, w);
}

} // namespace vcu::test

#include "WindowFinder.h"

#include <vector>

namespace vcu::driver {
namespace {

struct Place {
  Control control;
  const wchar_t* className;
  bool inGroupBox; // GroupBox1's child rather than the window's
  POINT topLeft;   // in the parent's client area
};

// Where the main window puts each control.
constexpr Place kPlaces[] = {
    {Control::edtIP, L"TEdit", false, {40, 8}},
    {Control::rbtnIP, L"TRadioButton", false, {144, 8}},
    {Control::rbtnUSB, L"TRadioButton", false, {184, 8}},
    {Control::btnUpdate, L"TButton", false, {296, 4}},
    {Control::Memo1, L"TMemo", false, {0, 96}},
    {Control::edtCfg, L"TEdit", true, {48, 16}},
    {Control::edtValue, L"TEdit", true, {160, 16}},
    {Control::rbtnSet, L"TRadioButton", true, {248, 16}},
    {Control::rbtnGet, L"TRadioButton", true, {296, 16}},
};

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = L"";
  GetClassNameW(window, name, 64);
  return name;
}

// Enumeration callbacks are named functions: on 32-bit Windows they must be __stdcall.
BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> found;
  EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> found;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

POINT TopLeftInParent(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  POINT p{r.left, r.top};
  ScreenToClient(GetParent(window), &p);
  return p;
}

} // namespace

HWND WaitForMainWindow(DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  do {
    HWND window = FindWindowW(L"TfrmMain", nullptr);
    if (window && IsWindowVisible(window)) return window;
    Sleep(100);
  } while (GetTickCount() - start < timeoutMs);
  return nullptr;
}

HWND FindControl(HWND mainWindow, Control control) {
  for (const auto& place : kPlaces) {
    if (place.control != control) continue;
    for (HWND child : Children(mainWindow)) {
      const bool parentMatches =
          place.inGroupBox ? ClassOf(GetParent(child)) == L"TGroupBox" : GetParent(child) == mainWindow;
      const POINT p = TopLeftInParent(child);
      if (parentMatches && ClassOf(child) == place.className && p.x == place.topLeft.x &&
          p.y == place.topLeft.y)
        return child;
    }
  }
  return nullptr;
}

// The program's own dialogs are framework forms; its default error display is the system's
// message box.
bool IsMessageDialogClass(const std::wstring& name) {
  return name == L"TMessageForm" || name == L"#32770";
}

bool IsButtonClass(const std::wstring& name) { return name == L"TButton" || name == L"Button"; }

HWND FindMessageDialog(HWND mainWindow) {
  DWORD program = 0;
  GetWindowThreadProcessId(mainWindow, &program);
  for (HWND window : TopLevelWindows()) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == program && IsWindowVisible(window) && IsMessageDialogClass(ClassOf(window)))
      return window;
  }
  return nullptr;
}

// WM_GETTEXT rather than GetWindowText: for another process's window GetWindowText gives
// only a stored caption, never an edit control's contents.
std::wstring TextOf(HWND window) {
  const auto length = static_cast<size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(length + 1, L'\0');
  text.resize(static_cast<size_t>(
      SendMessageW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

HWND DialogButton(HWND dialog) {
  for (HWND child : Children(dialog))
    if (IsButtonClass(ClassOf(child))) return child;
  return nullptr;
}

std::wstring DialogText(HWND dialog) {
  std::wstring text;
  for (HWND child : Children(dialog)) {
    if (IsButtonClass(ClassOf(child))) continue;
    const std::wstring part = TextOf(child);
    if (!part.empty()) text += (text.empty() ? L"" : L" ") + part;
  }
  return text.empty() ? TextOf(dialog) : text;
}

} // namespace vcu::driver

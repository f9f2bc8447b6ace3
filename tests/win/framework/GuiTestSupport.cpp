#include "GuiTestSupport.h"

#include <algorithm>

#include "framework/Dialogs.h"
#include "framework/Forms.h"

namespace vcu::test {
namespace {
DialogWatcher* activeWatcher = nullptr;
} // namespace

void Pump() { Application->ProcessMessages(); }

DialogWatcher::DialogWatcher() {
  activeWatcher = this;
  timer_ = SetTimer(nullptr, 0, 20, &DialogWatcher::OnTimer);
}

DialogWatcher::~DialogWatcher() {
  KillTimer(nullptr, timer_);
  activeWatcher = nullptr;
}

std::vector<std::string> DialogWatcher::Texts() const {
  std::vector<std::string> texts;
  for (const SeenDialog& d : seen_) texts.push_back(d.text);
  return texts;
}

void CALLBACK DialogWatcher::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (activeWatcher) EnumThreadWindows(GetCurrentThreadId(), &DialogWatcher::OnWindow, reinterpret_cast<LPARAM>(activeWatcher));
}

BOOL CALLBACK DialogWatcher::OnWindow(HWND window, LPARAM self) {
  std::string cls = ClassOf(window);
  if (IsWindowVisible(window) && (cls == "TMessageForm" || cls == "#32770"))
    reinterpret_cast<DialogWatcher*>(self)->Answer(window);
  return TRUE;
}

void DialogWatcher::Answer(HWND dialog) {
  if (std::find(answered_.begin(), answered_.end(), dialog) != answered_.end()) return;
  answered_.push_back(dialog);
  SeenDialog seen{ClassOf(dialog), TextOf(dialog), ""};
  if (seen.windowClass == "TMessageForm") {
    auto* form = static_cast<TMessageForm*>(FindControl(dialog));
    seen.text = form->MessageLabel()->Caption();
    auto* ok = dynamic_cast<TButton*>(form->FindComponent("OK"));
    seen_.push_back(seen);
    if (ok) SendMessageA(ok->Handle(), BM_CLICK, 0, 0);
    return;
  }
  seen.text = TextOf(GetDlgItem(dialog, 0xFFFF)); // the message box's text
  seen_.push_back(seen);
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

std::string ClassOf(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string TextOf(HWND window) {
  int length = GetWindowTextLengthA(window);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(window, &text[0], length + 1)));
  return text;
}

RECT RectInParent(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void ClickAt(HWND window, int x, int y) {
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

} // namespace vcu::test

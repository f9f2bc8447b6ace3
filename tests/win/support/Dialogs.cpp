#include "support/Dialogs.h"

#include <algorithm>
#include <map>
#include <utility>

#include <gtest/gtest.h>

#include "framework/Dialogs.h"
#include "framework/Forms.h"
#include "support/WindowQueries.h"

namespace vcu::test {
namespace {

DialogWatcher* activeWatcher = nullptr;
std::map<UINT_PTR, ModalDeadline*>& Deadlines() {
  static std::map<UINT_PTR, ModalDeadline*> deadlines;
  return deadlines;
}

constexpr int kMessageBoxTextId = 0xFFFF; // the static control holding a message box's text

} // namespace

DialogWatcher::DialogWatcher(std::function<bool(HWND)> ready) : ready_(std::move(ready)) {
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
  if (activeWatcher)
    EnumThreadWindows(GetCurrentThreadId(), &DialogWatcher::OnWindow, reinterpret_cast<LPARAM>(activeWatcher));
}

BOOL CALLBACK DialogWatcher::OnWindow(HWND window, LPARAM self) {
  const std::string cls = ClassOf(window);
  if (IsWindowVisible(window) && (cls == "TMessageForm" || cls == "#32770"))
    reinterpret_cast<DialogWatcher*>(self)->Answer(window);
  return TRUE;
}

void DialogWatcher::Answer(HWND dialog) {
  if (std::find(answered_.begin(), answered_.end(), dialog) != answered_.end()) return;
  if (ready_ && !ready_(dialog)) return;
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
  seen.text = TextOf(GetDlgItem(dialog, kMessageBoxTextId));
  seen_.push_back(seen);
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

ModalDeadline::ModalDeadline(std::chrono::milliseconds deadline) {
  timer_ = SetTimer(nullptr, 0, static_cast<UINT>(deadline.count()), &ModalDeadline::OnTimer);
  Deadlines()[timer_] = this;
}

ModalDeadline::~ModalDeadline() {
  KillTimer(nullptr, timer_);
  Deadlines().erase(timer_);
  MSG msg;
  if (expired_)
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
}

void CALLBACK ModalDeadline::OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
  auto found = Deadlines().find(id);
  if (found == Deadlines().end() || found->second->expired_) return;
  found->second->expired_ = true;
  KillTimer(nullptr, id);
  ADD_FAILURE() << "a modal loop was still running at the deadline: nobody answered it";
  PostQuitMessage(0);
}

} // namespace vcu::test

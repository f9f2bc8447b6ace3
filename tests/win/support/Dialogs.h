#pragma once
// Answering the modal dialogs a handler opens while the test waits inside that handler.
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include <windows.h>

#include "support/Pump.h"

namespace vcu::test {

struct SeenDialog {
  std::string windowClass; // "TMessageForm" or "#32770" (the system's message box)
  std::string caption;
  std::string text;
};

// While alive, a thread timer looks for dialogs of this thread every few milliseconds, also
// from inside their modal loops; each one found is recorded once and closed with its OK
// button, as a user would. A watcher given `ready` leaves each dialog open until ready(dialog)
// holds, so a test can look at the dialog as it stands before it is closed.
class DialogWatcher {
public:
  explicit DialogWatcher(std::function<bool(HWND)> ready = nullptr);
  ~DialogWatcher();
  DialogWatcher(const DialogWatcher&) = delete;
  DialogWatcher& operator=(const DialogWatcher&) = delete;

  const std::vector<SeenDialog>& Seen() const { return seen_; }
  // The texts of the dialogs seen, in order.
  std::vector<std::string> Texts() const;

private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
  static BOOL CALLBACK OnWindow(HWND window, LPARAM self);
  void Answer(HWND dialog);

  std::function<bool(HWND)> ready_;
  UINT_PTR timer_ = 0;
  std::vector<HWND> answered_;
  std::vector<SeenDialog> seen_;
};

// Guards a call that may open a modal loop nobody answers: if the scope is still running at
// the deadline, the test fails and a quit message ends whatever modal loop runs (message
// boxes, dialogs and the framework's modal forms all leave on it). The quit message is
// removed again when the scope ends.
class ModalDeadline {
public:
  explicit ModalDeadline(std::chrono::milliseconds deadline = kDeadline);
  ~ModalDeadline();
  ModalDeadline(const ModalDeadline&) = delete;
  ModalDeadline& operator=(const ModalDeadline&) = delete;

  bool Expired() const { return expired_; }

private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD);

  UINT_PTR timer_ = 0;
  bool expired_ = false;
};

} // namespace vcu::test

#pragma once
// Helpers for GUI tests that drive real windows: pumping messages, and answering the modal
// dialogs a handler opens while the test waits inside that handler.
#include <string>
#include <vector>

#include <windows.h>

namespace vcu::test {

// Dispatches every waiting message (the application's own loop, dialog keys included).
void Pump();

struct SeenDialog {
  std::string windowClass; // "TMessageForm" or "#32770" (the system's message box)
  std::string caption;
  std::string text;
};

// While alive, a thread timer looks for dialogs of this thread every few milliseconds; each
// one found is recorded once and closed with its OK button, as a user would.
class DialogWatcher {
public:
  DialogWatcher();
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

  UINT_PTR timer_ = 0;
  std::vector<HWND> answered_;
  std::vector<SeenDialog> seen_;
};

// Window class name, text, and rectangle relative to the parent's client area.
std::string ClassOf(HWND window);
std::string TextOf(HWND window);
RECT RectInParent(HWND window);

// Left button press and release at a client point of the window.
void ClickAt(HWND window, int x, int y);

} // namespace vcu::test

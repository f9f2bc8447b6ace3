#include "Input.h"

#include "WindowFinder.h"

namespace vcu::driver {
namespace {

constexpr DWORD kReactionTimeoutMs = 30000;

struct Message {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

struct Messages {
  Message list[2];
  int count;
};

DWORD WINAPI SendAll(void* data) {
  const auto* messages = static_cast<const Messages*>(data);
  for (int i = 0; i < messages->count; ++i) {
    const Message& m = messages->list[i];
    SendMessageW(m.window, m.message, m.wParam, m.lParam);
  }
  return 0;
}

// Sends the messages in order from a helper thread and waits until the program has handled
// them all, or until one of them has opened a message dialog.
Reaction Send(HWND mainWindow, const Messages& messages) {
  static Messages pending; // outlives a helper thread left blocked behind a dialog
  pending = messages;
  HANDLE thread = CreateThread(nullptr, 0, SendAll, &pending, 0, nullptr);
  const DWORD start = GetTickCount();
  Reaction reaction{Outcome::TimedOut, nullptr};
  while (GetTickCount() - start < kReactionTimeoutMs) {
    if (WaitForSingleObject(thread, 50) == WAIT_OBJECT_0) {
      reaction.outcome = Outcome::Done;
      break;
    }
    if (HWND dialog = FindMessageDialog(mainWindow)) {
      reaction = {Outcome::DialogOpened, dialog};
      break;
    }
  }
  CloseHandle(thread);
  return reaction;
}

} // namespace

Reaction Click(HWND mainWindow, HWND button) {
  return Send(mainWindow, {{{button, BM_CLICK, 0, 0}}, 1});
}

Reaction ClickAt(HWND mainWindow, POINT client) {
  const LPARAM at = MAKELPARAM(client.x, client.y);
  return Send(mainWindow, {{{mainWindow, WM_LBUTTONDOWN, MK_LBUTTON, at},
                            {mainWindow, WM_LBUTTONUP, 0, at}},
                           2});
}

void SetText(HWND control, const std::wstring& text) {
  SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

} // namespace vcu::driver

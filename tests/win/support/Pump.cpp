#include "support/Pump.h"

#include <gtest/gtest.h>

#include "framework/Forms.h"

namespace vcu::test {
namespace {

using Clock = std::chrono::steady_clock;

// Sleeps until a message arrives or a short while has passed, whichever comes first.
void AwaitInput() { MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT); }

void DispatchOne(MSG& msg) {
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

} // namespace

void Pump() {
  if (Application) {
    Application->ProcessMessages();
    return;
  }
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchOne(msg);
}

bool PumpUntil(const std::function<bool()>& done, const char* what, std::chrono::milliseconds deadline) {
  const Clock::time_point end = Clock::now() + deadline;
  for (;;) {
    Pump();
    if (done()) return true;
    if (Clock::now() >= end) {
      ADD_FAILURE() << "still waiting after " << deadline.count() << " ms for: " << what;
      return false;
    }
    AwaitInput();
  }
}

std::optional<MSG> TakeMessage(HWND window, UINT message, std::optional<WPARAM> wParam,
                               std::chrono::milliseconds deadline) {
  const Clock::time_point end = Clock::now() + deadline;
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.hwnd == window && msg.message == message && (!wParam || msg.wParam == *wParam)) return msg;
      DispatchOne(msg);
    }
    if (Clock::now() >= end) {
      ADD_FAILURE() << "message 0x" << std::hex << message << " for the window never came within "
                    << std::dec << deadline.count() << " ms";
      return std::nullopt;
    }
    AwaitInput();
  }
}

} // namespace vcu::test

#pragma once
// Message pumps for tests that wait for a window, a timer or a dialog. Every wait has a
// deadline; reaching it fails the test instead of hanging it.
#include <chrono>
#include <functional>
#include <optional>

#include <windows.h>

namespace vcu::test {

// Long enough for a slow emulated run; only a wait that would never end reaches it.
constexpr std::chrono::milliseconds kDeadline{10000};

// Dispatches every message already waiting, through the application's own loop step (dialog
// keys included).
void Pump();

// Dispatches messages until done() holds. At the deadline the test fails, naming what it
// waited for, and false comes back (ASSERT_TRUE on it stops the test there).
bool PumpUntil(const std::function<bool()>& done, const char* what,
               std::chrono::milliseconds deadline = kDeadline);

// Dispatches every message except the first `message` for `window` (and, when given, with
// that wParam), which is taken off the queue undispatched and returned: the caller sees the
// state just before it and dispatches it itself. At the deadline the test fails.
std::optional<MSG> TakeMessage(HWND window, UINT message, std::optional<WPARAM> wParam,
                               std::chrono::milliseconds deadline = kDeadline);

} // namespace vcu::test

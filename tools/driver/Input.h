#pragma once
// Real input to the program's windows. A click is sent from a helper thread: a click that
// opens a modal dialog does not return until the dialog closes, and the driver must be free
// to report (and later dismiss) that dialog meanwhile.
#include <windows.h>

#include <string>

namespace vcu::driver {

enum class Outcome { Done, DialogOpened, TimedOut };

struct Reaction {
  Outcome outcome;
  HWND dialog; // the message dialog the input opened, when it did
};

// BM_CLICK on a button, radio button included: it presses it as a mouse click would.
Reaction Click(HWND mainWindow, HWND button);
// A left-button press and release at a point of the main window's client area.
Reaction ClickAt(HWND mainWindow, POINT client);
// WM_SETTEXT, as pasting over the whole text would.
void SetText(HWND control, const std::wstring& text);

} // namespace vcu::driver

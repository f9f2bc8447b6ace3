#pragma once
// Finds the program's windows as a user sees them: the main window by its class "TfrmMain",
// its controls by class and by their place in their parent, and open message dialogs.
#include <windows.h>

#include <string>

namespace vcu::driver {

// The main window's controls, named as the window names them.
enum class Control { edtIP, rbtnIP, rbtnUSB, btnUpdate, edtCfg, edtValue, rbtnSet, rbtnGet, Memo1 };

// Waits up to `timeoutMs` for a visible main window; null when none appeared.
HWND WaitForMainWindow(DWORD timeoutMs);
// The control, or null; `mainWindow`'s children and the group box's children are searched.
HWND FindControl(HWND mainWindow, Control control);
// A visible message dialog of the main window's process, or null: one of its own
// ("TMessageForm") or the system message box of its default error display ("#32770").
HWND FindMessageDialog(HWND mainWindow);
// The dialog's (first) button: OK.
HWND DialogButton(HWND dialog);

std::wstring TextOf(HWND window);
// The dialog's message: the texts of its children other than its buttons, else its caption.
std::wstring DialogText(HWND dialog);

} // namespace vcu::driver

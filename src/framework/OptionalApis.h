#pragma once
// Services of user32 that older systems lack. They are looked up by name once, all from the
// same module handle, and used only when found: each accessor returns null when the system
// has no such service.
#include <windows.h>

namespace vcu {

using TrackMouseEventFunc = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);
using GetComboBoxInfoFunc = BOOL(WINAPI*)(HWND, PCOMBOBOXINFO);
using GetScrollBarInfoFunc = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
using DisableProcessWindowsGhostingFunc = void(WINAPI*)();

// Without it no mouse-leave notification is requested, so controls never hear the mouse leave.
TrackMouseEventFunc TrackMouseEventProc();
GetComboBoxInfoFunc GetComboBoxInfoProc();
// Without it scroll-bar skinning stays off.
GetScrollBarInfoFunc GetScrollBarInfoProc();
DisableProcessWindowsGhostingFunc DisableProcessWindowsGhostingProc();

} // namespace vcu

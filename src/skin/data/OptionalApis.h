#pragma once
// Services of user32 that older systems lack, looked up by name once and used only when found.
#include <windows.h>

namespace vcu {

using GetScrollBarInfoFunc = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);

// Null when the system has no GetScrollBarInfo; scroll-bar skinning then stays off.
GetScrollBarInfoFunc GetScrollBarInfoProc();

} // namespace vcu

#pragma once
// The message record handed to every control's message handler, and the framework's own
// messages: CM_* notifications between controls, CN_* notifications reflected from a parent
// window back to the child control they concern.
#include <functional>

#include <windows.h>

namespace vcu {

struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result;
};

// A replaceable message handler: a method reference (object and code).
using TWndMethod = std::function<void(TMessage&)>;

constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
// The mouse came onto / went off a control: its window, or a window-less child's bounds within
// its parent. lParam is the control itself.
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
constexpr UINT CM_MENUCHANGED = CM_BASE + 21;

constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
// A scroll-bar control's scrolling and an owner-drawn button's drawing, reflected to them.
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
// WM_NOTIFY reflected to the control that sent it. The skin engine's "window is skinned" mark
// travels on the same number with a small lParam (16802) that is no pointer, so a handler
// reads the header only through NotifyHeader.
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;

// The notification header a WM_NOTIFY or CN_NOTIFY carries; null when lParam cannot be one
// (the lowest 64 KB of an address space are never mapped).
inline const NMHDR* NotifyHeader(const TMessage& message) {
  if (static_cast<ULONG_PTR>(message.LParam) < 0x10000) return nullptr;
  return reinterpret_cast<const NMHDR*>(message.LParam);
}

} // namespace vcu

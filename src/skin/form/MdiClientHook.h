#pragma once
// TMdiClientHook: the subclassing of an MDI frame's client window while the frame is skinned.
// The client keeps the frame free of native scroll bars, holds the manager's MDI-maximized
// flag in step with its children, hands a menu set through it to the skinned menu bar, and
// redraws the whole frame when a maximised child asks.
#include <windows.h>

#include "skin/data/WindowSubclass.h"

namespace vcu {

class TWinSkinForm;

class TMdiClientHook {
public:
  TMdiClientHook(TWinSkinForm& frame, HWND client);
  // Takes the subclassing off if the client still has it.
  ~TMdiClientHook();
  TMdiClientHook(const TMdiClientHook&) = delete;
  TMdiClientHook& operator=(const TMdiClientHook&) = delete;

  HWND Client() const { return client_; }
  bool Hooked() const { return subclass_.Attached(); }
  void Unhook();

private:
  LRESULT ClientProc(UINT msg, WPARAM wParam, LPARAM lParam);
  // Whether the active child is maximised, as the client itself says.
  bool ActiveChildMaximized() const;

  TWinSkinForm& frame_;
  HWND client_;
  TWindowSubclass subclass_;
  // The skin data's menu-update switch when the client was hooked: a child's creation turns
  // it off, the last child's destruction gives it back.
  bool menuUpdateAtSetUp_ = false;
};

} // namespace vcu

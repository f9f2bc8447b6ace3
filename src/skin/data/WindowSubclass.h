#pragma once
// Replacing a native window's procedure, for the skinners. The window's own procedure is kept
// and called for what the skinner passes on; ANSI and Unicode windows keep their kind.
// Finding the skinner of a window is a lookup in this process (comctl32's subclassing asks the
// window manager for a property on every message, which costs more than most handlers).
// Taking the subclass off never cuts out a procedure installed after it: then the window keeps
// ours, which only passes messages on, until it is destroyed.
#include <functional>

#include <windows.h>

namespace vcu {

class TWindowSubclass {
public:
  using Handler = std::function<LRESULT(UINT msg, WPARAM wParam, LPARAM lParam)>;

  TWindowSubclass() = default;
  ~TWindowSubclass() { Detach(); }
  TWindowSubclass(const TWindowSubclass&) = delete;
  TWindowSubclass& operator=(const TWindowSubclass&) = delete;

  // False when the window is gone or already has a subclass of ours.
  bool Attach(HWND window, Handler handler);
  void Detach();
  bool Attached() const { return attached_; }
  // The window's own procedure, for what the handler passes on (also once detached, while
  // the window's last message is being handled).
  LRESULT CallOld(UINT msg, WPARAM wParam, LPARAM lParam) const;

private:
  friend struct SubclassProcs;
  HWND window_ = nullptr;
  bool attached_ = false;
  WNDPROC old_ = nullptr;
  bool unicode_ = false;
  Handler handler_;
};

} // namespace vcu

#pragma once
// The window classes behind the framework's controls, the window property that leads from a
// window back to its control, and the one window procedure every framework window shares.
#include <windows.h>

#include <string>

namespace vcu {

class TWinControl;

// The atom's name as the LPCSTR the property functions take.
LPCSTR AtomName(ATOM atom);

// Notes the control of a framework window (null: the window is gone), for the fast lookup
// every message of the window needs.
void NoteControlWindow(HWND window, TWinControl* control);

// Registers the framework class `name` (superclassing the native `base`, or a class of its own
// when `base` is empty) once, and returns the window procedure its windows fall back to.
WNDPROC RegisterFrameworkClass(const std::string& name, const std::string& base);

// The fall-back procedure of a registered framework class; null for any other class.
WNDPROC DefaultWindowProcOf(const std::string& className);

// Names the control whose CreateWindowEx call is under way for as long as it lives: the
// window's first messages arrive before CreateWindowEx returns the handle.
class CreatingControlScope {
public:
  explicit CreatingControlScope(TWinControl* control);
  ~CreatingControlScope();
  CreatingControlScope(const CreatingControlScope&) = delete;
  CreatingControlScope& operator=(const CreatingControlScope&) = delete;

private:
  TWinControl* outer_;
};

} // namespace vcu

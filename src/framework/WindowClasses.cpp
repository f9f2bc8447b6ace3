#include "framework/WindowClasses.h"

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <unordered_map>

#include "core/Errors.h"
#include "framework/Controls.h"

namespace vcu {

// ---- window classes and the control property

ATOM ControlAtom() {
  static const ATOM atom = [] {
    char name[64];
    std::snprintf(name, sizeof name, "ControlOfs%.8X%.8X",
                  static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(GetModuleHandleA(nullptr))),
                  static_cast<unsigned>(GetCurrentThreadId()));
    return GlobalAddAtomA(name);
  }();
  return atom;
}

LPCSTR AtomName(ATOM atom) { return reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(atom)); }

namespace {

// The framework's own windows and their controls, kept beside the window property: reading a
// property asks the window manager, which costs more than the handling of most messages, and
// every message to a framework window needs its control.
std::unordered_map<HWND, TWinControl*>& ControlWindows() {
  static std::unordered_map<HWND, TWinControl*> windows;
  return windows;
}

TWinControl* KnownControl(HWND window) {
  const auto& windows = ControlWindows();
  auto found = windows.find(window);
  return found == windows.end() ? nullptr : found->second;
}

} // namespace

void NoteControlWindow(HWND window, TWinControl* control) {
  if (control) ControlWindows()[window] = control;
  else ControlWindows().erase(window);
}

TWinControl* FindControl(HWND window) {
  if (!window) return nullptr;
  if (TWinControl* known = KnownControl(window)) return known;
  return static_cast<TWinControl*>(GetPropA(window, AtomName(ControlAtom())));
}

namespace {

// The control whose CreateWindowEx call is under way: its window's first messages arrive
// before CreateWindowEx returns the handle.
thread_local TWinControl* creatingControl = nullptr;

// Window procedure of the native class behind each framework class.
std::map<std::string, WNDPROC>& DefaultProcs() {
  static std::map<std::string, WNDPROC> procs;
  return procs;
}

} // namespace

LRESULT CALLBACK FrameworkWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = KnownControl(window);
  if (!control) {
    control = creatingControl;
    if (!control) return DefWindowProcA(window, msg, wParam, lParam);
    control->AttachHandle(window);
  }
  TMessage message{msg, wParam, lParam, 0};
  // No exception may unwind through the system's window-message dispatch.
  try {
    control->WindowProc(message);
  } catch (...) {
    HandleWindowException(control);
  }
  return message.Result;
}

WNDPROC RegisterFrameworkClass(const std::string& name, const std::string& base) {
  auto known = DefaultProcs().find(name);
  if (known != DefaultProcs().end()) return known->second;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  WNDPROC defProc = DefWindowProcA;
  if (!base.empty()) {
    if (!GetClassInfoExA(nullptr, base.c_str(), &wc))
      throw Exception("Cannot find the window class " + base);
    defProc = wc.lpfnWndProc;
    wc.style &= ~CS_GLOBALCLASS;
  } else {
    wc.style = CS_DBLCLKS;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  }
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = FrameworkWndProc;
  wc.hInstance = instance;
  wc.lpszClassName = name.c_str();
  if (!RegisterClassExA(&wc)) throw Exception("Cannot register the window class " + name);
  DefaultProcs()[name] = defProc;
  return defProc;
}

// The window procedure a framework class's windows fall back to.
WNDPROC DefaultWindowProcOf(const std::string& className) {
  auto known = DefaultProcs().find(className);
  return known == DefaultProcs().end() ? nullptr : known->second;
}

CreatingControlScope::CreatingControlScope(TWinControl* control) : outer_(creatingControl) {
  creatingControl = control;
}

CreatingControlScope::~CreatingControlScope() { creatingControl = outer_; }

} // namespace vcu

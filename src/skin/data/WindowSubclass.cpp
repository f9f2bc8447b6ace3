#include "skin/data/WindowSubclass.h"

#include <unordered_map>

namespace vcu {
namespace {

// A window whose procedure is ours: the subclass that handles its messages (null once taken
// off while another procedure sat in front of ours), and the procedure to pass them on to.
struct Subclassed {
  TWindowSubclass* subclass;
  WNDPROC old;
  bool unicode;
};

std::unordered_map<HWND, Subclassed>& Windows() {
  static std::unordered_map<HWND, Subclassed> windows;
  return windows;
}

} // namespace

struct SubclassProcs {
  static LRESULT Dispatch(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto found = Windows().find(window);
    if (found == Windows().end()) return DefWindowProcW(window, msg, wParam, lParam);
    const Subclassed entry = found->second;
    if (msg == WM_NCDESTROY) {
      // The window goes: whatever holds the subclass hears of it, then ours comes off.
      LRESULT result = entry.subclass ? entry.subclass->handler_(msg, wParam, lParam)
                                      : Pass(entry, window, msg, wParam, lParam);
      auto still = Windows().find(window);
      if (still != Windows().end()) {
        if (still->second.subclass) still->second.subclass->attached_ = false;
        Windows().erase(still);
      }
      return result;
    }
    if (!entry.subclass) return Pass(entry, window, msg, wParam, lParam);
    return entry.subclass->handler_(msg, wParam, lParam);
  }

  static LRESULT Pass(const Subclassed& entry, HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    return entry.unicode ? CallWindowProcW(entry.old, window, msg, wParam, lParam)
                         : CallWindowProcA(entry.old, window, msg, wParam, lParam);
  }

  static LRESULT CALLBACK ProcA(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    return Dispatch(window, msg, wParam, lParam);
  }
  static LRESULT CALLBACK ProcW(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    return Dispatch(window, msg, wParam, lParam);
  }
};

bool TWindowSubclass::Attach(HWND window, Handler handler) {
  if (attached_ || !IsWindow(window)) return false;
  auto found = Windows().find(window);
  if (found != Windows().end()) {
    if (found->second.subclass) return false;
    // Our pass-through procedure is still in place: take it up again.
    found->second.subclass = this;
    window_ = window;
    attached_ = true;
    old_ = found->second.old;
    unicode_ = found->second.unicode;
    handler_ = std::move(handler);
    return true;
  }
  unicode_ = IsWindowUnicode(window) != FALSE;
  handler_ = std::move(handler);
  const auto proc = reinterpret_cast<LONG_PTR>(unicode_ ? &SubclassProcs::ProcW : &SubclassProcs::ProcA);
  old_ = reinterpret_cast<WNDPROC>(unicode_ ? SetWindowLongPtrW(window, GWLP_WNDPROC, proc)
                                            : SetWindowLongPtrA(window, GWLP_WNDPROC, proc));
  if (!old_) return false;
  window_ = window;
  attached_ = true;
  Windows()[window] = Subclassed{this, old_, unicode_};
  return true;
}

void TWindowSubclass::Detach() {
  if (!attached_) return;
  HWND window = window_;
  attached_ = false;
  auto found = Windows().find(window);
  if (found == Windows().end()) return;
  const LONG_PTR ours = reinterpret_cast<LONG_PTR>(unicode_ ? &SubclassProcs::ProcW : &SubclassProcs::ProcA);
  const LONG_PTR current = unicode_ ? GetWindowLongPtrW(window, GWLP_WNDPROC) : GetWindowLongPtrA(window, GWLP_WNDPROC);
  if (current == ours) {
    if (unicode_) SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old_));
    else SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old_));
    Windows().erase(found);
    return;
  }
  found->second.subclass = nullptr; // someone came after us: pass messages on from now on
}

LRESULT TWindowSubclass::CallOld(UINT msg, WPARAM wParam, LPARAM lParam) const {
  const Subclassed entry{nullptr, old_, unicode_};
  return SubclassProcs::Pass(entry, window_, msg, wParam, lParam);
}

} // namespace vcu

#include "framework/OptionalApis.h"

namespace vcu {
namespace {

struct OptionalApis {
  TrackMouseEventFunc trackMouseEvent;
  GetComboBoxInfoFunc getComboBoxInfo;
  GetScrollBarInfoFunc getScrollBarInfo;
  DisableProcessWindowsGhostingFunc disableProcessWindowsGhosting;
};

template <class Func> Func Lookup(HMODULE module, const char* name) {
  return module ? reinterpret_cast<Func>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

// user32 is linked in, so it stays loaded for the life of the process and its handle needs no
// reference of our own.
const OptionalApis& Apis() {
  static const OptionalApis apis = [] {
    const HMODULE user32 = GetModuleHandleA("user32.dll");
    return OptionalApis{Lookup<TrackMouseEventFunc>(user32, "TrackMouseEvent"),
                        Lookup<GetComboBoxInfoFunc>(user32, "GetComboBoxInfo"),
                        Lookup<GetScrollBarInfoFunc>(user32, "GetScrollBarInfo"),
                        Lookup<DisableProcessWindowsGhostingFunc>(user32, "DisableProcessWindowsGhosting")};
  }();
  return apis;
}

} // namespace

TrackMouseEventFunc TrackMouseEventProc() { return Apis().trackMouseEvent; }
GetComboBoxInfoFunc GetComboBoxInfoProc() { return Apis().getComboBoxInfo; }
GetScrollBarInfoFunc GetScrollBarInfoProc() { return Apis().getScrollBarInfo; }
DisableProcessWindowsGhostingFunc DisableProcessWindowsGhostingProc() { return Apis().disableProcessWindowsGhosting; }

} // namespace vcu

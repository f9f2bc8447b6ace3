#include "skin/data/OptionalApis.h"

namespace vcu {

GetScrollBarInfoFunc GetScrollBarInfoProc() {
  static const GetScrollBarInfoFunc proc = reinterpret_cast<GetScrollBarInfoFunc>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetScrollBarInfo")));
  return proc;
}

} // namespace vcu

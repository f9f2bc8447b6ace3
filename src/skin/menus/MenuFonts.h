#pragma once
// The system's menu font, plain and bold (default items), made once for the process: every
// menu painter measures and draws with them and none makes a font per paint.
#include <windows.h>

namespace vcu {

HFONT MenuFont();
HFONT BoldMenuFont();

} // namespace vcu

#pragma once
// An icon drawn on the transparency key, ready for the core's transparent drawing.
#include <windows.h>

#include "core/image/Bitmap.h"

namespace vcu {

// The icon scaled to width x height on magenta, 24 bits; magenta only when icon is null.
Bitmap IconOnMagenta(HICON icon, int width, int height);

} // namespace vcu

#pragma once
// The core's rectangles and the platform's RECT have the same meaning; these convert.
#include <windows.h>

#include "core/image/Rect.h"

namespace vcu {

inline Rect ToRect(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }
inline RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

} // namespace vcu

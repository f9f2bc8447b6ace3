#pragma once
// What a skinned header shows without texts, composed by the core from the skin's Headerbar
// frames at the native header's item rectangles: each item in frame 1 (the hot one in frame
// 2) and the bar right of the last item in frame 1.
#include <windows.h>

#include "core/image/Bitmap.h"
#include "skin/data/WinSkinData.h"

namespace vcu::test {

Bitmap ComposedHeader(const TSkinData& skin, HWND header, int hotItem);

} // namespace vcu::test

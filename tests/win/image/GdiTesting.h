#pragma once
// The test pictures of the Windows image tests.
#include "core/image/Bitmap.h"

namespace vcu::testing {

// A bitmap whose every pixel differs from its neighbours (red = x, green = y, blue = seed).
Bitmap Pattern(int width, int height, unsigned seed);
// A frame strip of count frames of fw x fh with magenta specks, for transparent drawing.
Bitmap FrameStrip(int fw, int fh, int count);

} // namespace vcu::testing

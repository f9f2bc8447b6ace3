#pragma once
// The program's own resources that the skin uses: the track images a skin may leave out, the
// menu-bar glyphs of a maximised MDI child, and the application icon. A program (or a test)
// built without them gets empty results; nothing fails.
// windows.h first: commctrl.h needs its types.
#include <windows.h>
#include <commctrl.h>

#include "core/elements/SkinElementsLoader.h"

namespace vcu {

// "TRACK" (16 x 4) and "TRACKVERT" (4 x 16) from the program's bitmap resources; each one the
// program lacks stays empty.
BuiltinImages LoadBuiltinImages();

// "TESSERAMENU" as an image list of 16 x 16 images with white as the mask colour; null when
// the program carries no such bitmap.
HIMAGELIST LoadMenuGlyphs();

// The program's first icon (the one the shell shows) at the given size; null when it has none.
// The caller destroys it.
HICON LoadProgramIcon(int width, int height);

} // namespace vcu

#pragma once
// The contact sheet: every image of a skin, every frame, sliced at its natural size, wider
// and taller, on a checkerboard that shows its transparent pixels, with a label per element
// and a swatch per colour of the colour table; under the title, what a check of the skin
// found (one line each, then the summary).
#include <string>
#include <vector>

#include "ViewedElements.h"

namespace vcu::skinview {

struct CheckLines {
  std::vector<std::string> errors, warnings; // finding lines, in the order found
  std::string summary;
};

Bitmap RenderSheet(const std::string& title, const std::vector<ViewedImage>& images,
                   const std::vector<std::string>& missing, const TSkinColours& colours,
                   const CheckLines& check);

// The sheet with every pixel grown to zoom x zoom.
Bitmap Zoom(const Bitmap& sheet, int zoom);

} // namespace vcu::skinview

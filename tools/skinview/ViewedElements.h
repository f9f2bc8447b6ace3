#pragma once
// What the sheet shows of a loaded skin: every image of every element slot, with the frame
// count, margins and switches its painter uses.
#include <string>
#include <vector>

#include "core/elements/ElementSlots.h"

namespace vcu::skinview {

// How the painters put the image on screen.
enum class Drawing {
  Sliced,       // nine-slice by the margins
  ThreePartRow, // left and right ends, middle repeated (the caption plate)
  Stretched,    // each frame stretched whole (caption buttons)
  Centred,      // each frame at its own size, centred (glyphs)
};

struct ViewedImage {
  std::string name;    // slot name, and which image of it
  std::string details; // a short line of the element's own numbers
  const Bitmap* image;
  Margins margins;
  int frames;     // at least 1
  bool stacked;   // frames one above the other
  bool transparent;
  bool tile;
  Drawing drawing = Drawing::Sliced;
};

// In slot order; empty slots are left out and named in `missing`.
std::vector<ViewedImage> ListImages(const TSkinElements& e, std::vector<std::string>& missing);

} // namespace vcu::skinview

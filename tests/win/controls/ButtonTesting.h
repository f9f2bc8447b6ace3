#pragma once
// Shared ground of the button, check-box and group-box tests: the skinner attached to a
// control, the skin colours as pixels, the core's composition of a Buttons frame, and
// image strips of solid frames for small skin fixtures.
#include <windows.h>

#include "core/image/Bitmap.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/WinSkinData.h"

namespace vcu::test {

// The skinner the window's form skinner keeps for the control window, or null.
TSkinControl* SkinnerOf(HWND form, HWND control);

Pixel PixelOfColour(Colour colour);

// The Buttons frame `frame` sliced to width x height by the core, on the face colour when the
// element is see-through: what a skinned push button without caption shows.
Bitmap ComposedButtonFrame(const TSkinData& skin, int frame, int width, int height);

// A strip of count frames of width x height, frame i (from 1) solid StripColour(i), with
// its top-left pixel magenta (see-through).
Bitmap SolidStrip(int count, int width, int height);
Pixel StripColour(int frame);

// The whole client area of a window.
Bitmap ClientPixels(HWND window);

// Where two images of a control differ, against the outline of a rectangle (a focus
// rectangle's one-pixel border): how many differing pixels lie on it and how many off it.
struct OutlineDifference {
  int on = 0, off = 0;
};
OutlineDifference DifferenceOnOutline(const Bitmap& a, const Bitmap& b, const RECT& outline);

// The size DrawText gives the text in the window's font (the control's font handle) within a
// box of the given width, with the flags.
SIZE MeasuredText(HWND window, HFONT font, const wchar_t* text, int boxWidth, UINT flags);

// Counts pixels of the image equal to colour.
int CountOf(const Bitmap& image, Pixel colour);

} // namespace vcu::test

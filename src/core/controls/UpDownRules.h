#pragma once
// Up-down (spin) buttons: the two halves, the state and frame of each, where the buttons sit
// inside an edit, and the composition of one half from the skin's strip or, without one, as
// a plain button with a line arrow.
#include <vector>

#include "core/image/Bitmap.h"

namespace vcu {

enum class SpinDirection { Up = 0, Down = 1, Left = 2, Right = 3 };

// Frames in the skin's up-down strips and their glyph strips.
constexpr int kSpinFrames = 8;

// Button states, as frame offsets within a group of four.
enum SpinState { spinNormal = 1, spinPressed = 2, spinDisabled = 3, spinHot = 4 };

struct SpinHalves {
  Rect first, second; // up or left, down or right
  SpinDirection firstDirection, secondDirection;
};

// A horizontal control splits its width in half (truncating), a vertical one its height.
SpinHalves SplitSpin(const Rect& rect, bool horizontal);

// The state of one half; pressed wins over hot, and only the half under the pointer shows
// either.
int SpinHalfState(bool enabled, bool pointerOver, bool pressed, bool hot);

// The frame (from 1) of eight: up and left 1-4, down and right 5-8.
int SpinFrameIndex(int state, SpinDirection direction);

// The drawing rectangle of a spin inside an edit: each of its top, bottom and right edges kept
// at least 3 pixels inside the edit's window. spin and edit are window rectangles in the same
// coordinates; rect is the spin's own drawing rectangle.
Rect SpinInsideEdit(const Rect& rect, const Rect& spin, const Rect& edit);

// The rows (up, down) or columns (left, right) of the fallback arrow, each one pixel thick: a
// 9 by 5 wedge centred in the half.
std::vector<Rect> SpinArrowLines(const Rect& half, SpinDirection direction);

// The colours of the fallback button.
struct SpinFallbackColours {
  Pixel face, shadow, darkShadow;
};

// Draws one half into the canvas: with the skin's frame for the half (already stretched to
// its size), that frame magenta see-through, then the glyph frame (if not empty) at its own
// size centred on the half; without a frame, the plain button.
void ComposeSpinHalf(Bitmap& canvas, const Rect& half, SpinDirection direction, int state, const Bitmap& frame,
                     const Bitmap& glyph, const SpinFallbackColours& colours);

} // namespace vcu

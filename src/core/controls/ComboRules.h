#pragma once
// Combo-box rules that need no window: which frame of the button and border strips shows a
// state, where the text area and the drop-down button go (button at the right, or at the left
// in a mirrored layout), the classic look's button strip, and whether the pointer is over
// the button.
#include "core/image/Rect.h"

namespace vcu {

struct ComboState {
  bool enabled = true;
  bool pressed = false;
  bool focused = false;
  bool hot = false;
};

// Frame of the ComboButton and SunkEdge strips, from 1: disabled 3, pressed 2, focused or
// hot 4, else 1.
int ComboFrameIndex(const ComboState& state);
// The classic look lights a focused or hot combo box even when it is disabled.
int ClassicComboFrameIndex(const ComboState& state);

// The text area (the native control's, kept out of the skin's clip) and the button box of a
// combo box of window rectangle r, with arrow the width of a scroll-bar arrow.
struct ComboLayout {
  Rect text;
  Rect button;
};
ComboLayout ComboBoxLayout(const Rect& r, int arrow, bool buttonLeft);

// The classic look: the ring one pixel in, the strip of thumbWidth under the button inside
// that ring, and the button box, one frame of frameWidth wide at the strip's side, as high
// as a thumb (cut to the strip when the strip is lower).
struct ClassicComboLayout {
  Rect ring;
  Rect strip;
  Rect button;
};
ClassicComboLayout ClassicComboBoxLayout(const Rect& r, int thumbWidth, int thumbHeight, int frameWidth,
                                         bool buttonLeft);

// The pointer at (x, y) is over the button box.
bool PointInButton(const Rect& button, int x, int y);

} // namespace vcu

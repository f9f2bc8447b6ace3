#pragma once
// Push-button rules that need no window: which of the five frames of the Buttons strip a
// button shows, where its caption goes, and in which colour.
#include <string>

#include "core/elements/SkinElements.h"
#include "core/image/Colour.h"
#include "core/image/Rect.h"

namespace vcu {

// Frames of the Buttons strip, counted from 1.
enum ButtonFrame : int {
  bfNormal = 1,
  bfPressed = 2,
  bfDisabled = 3,
  bfHot = 4,
  bfFocused = 5, // focused, or the form's default button
};
constexpr int kButtonFrames = 5;

struct ButtonLook {
  bool enabled = true;
  bool pressed = false;
  bool hot = false;
  bool focused = false;
  bool isDefault = false;
};

// Pressed before hot before focused/default; a disabled button shows its disabled frame
// whatever else holds.
int ButtonFrameIndex(const ButtonLook& look);

// The caption with its first "||" turned into a line break; later ones stay as typed.
std::wstring BreakFirstBars(const std::wstring& caption);

// Where a caption measured textWidth x textHeight goes in the button rect: centred (one pixel
// above the exact middle when the leftover height is odd or even alike), or, left-aligned,
// spanning the rect's width at the same height.
Rect ButtonTextBox(const Rect& rect, int textWidth, int textHeight, bool centred);

// The text colour of a frame: the skin's state colour where the skin gives one (normal, hot,
// pressed), the button-shadow system colour when disabled, else fontColour.
Colour ButtonTextColour(int frame, Colour fontColour, const TDataSkinButton& buttons);

// The button-shadow system colour: grey text of disabled controls.
constexpr Colour kDisabledTextColour = static_cast<Colour>(0xFF000010u);

} // namespace vcu

#pragma once
// Check-box, radio-button and group-box rules that need no window: how many frames an image
// strip holds, which frame shows a state, where the image and the caption go, and where a
// group box draws its line.
#include <string>

#include "core/image/Rect.h"

namespace vcu {

// Frames in a check or radio strip: the skin's count key when it is positive, else the
// strip's width divided by 13 (strips under 16 pixels high) or 16, and never less than 4.
int StripFrameCount(int countKey, int stripWidth, int stripHeight);

// What the host control says about its check state, read by property name.
struct HostCheckState {
  bool hasState = false;     // a State property, as its identifier text
  std::string state;
  bool hasChecked = false;   // else a Checked property
  bool checked = false;
  bool hasDataField = false; // data-aware hosts repeat the last BM_SETCHECK
  int lastCheck = 0;         // 0 unknown, else that wParam + 1
  bool hasDataBinding = false;
};

struct CheckInputs {
  bool checked = false;       // BM_GETSTATE bit 0
  bool indeterminate = false; // BM_GETSTATE bit 1
  bool disabled = false;
  const HostCheckState* host = nullptr; // null for a bare window
};

// Frame of the check strip, from 1. A strip of 12 frames has room for more looks: checked 5,
// disabled 4, checked-disabled 8, indeterminate 9 (12 when disabled).
int CheckImageIndex(const CheckInputs& in, int frameCount);
// Frame of the radio strip, from 1; a strip of 8 frames puts checked at 5, disabled at 4 and
// checked-disabled at 8.
int RadioImageIndex(bool checked, bool disabled, int frameCount);

// The image and text boxes of a check box or radio button in rect, for a frame of
// frameWidth x frameHeight. The image sits at the left, vertically centred; with leftText it
// sits at the right, flush for a check box and one pixel in for a radio button.
struct CheckLayout {
  Rect image;
  Rect text;
};
CheckLayout CheckControlLayout(const Rect& rect, int frameWidth, int frameHeight, bool leftText, bool radio);

// The text box moved down so a caption measured textHeight high is centred in rect.
Rect CentreCheckText(const Rect& textBox, const Rect& rect, int textHeight);

// The focus rectangle around a caption measured textWidth x textHeight in the text box:
// centred (one pixel high) or right-aligned as the text is, widened by 2 and 1, kept inside
// the box.
Rect TextFocusRect(const Rect& textBox, int textWidth, int textHeight, bool centred, bool right);

// Group box: the top line runs half a digit's height down, less one; the rounded frame
// leaves one pixel at the sides and the bottom; the caption starts 8 pixels in from the
// side it is aligned to.
int GroupLineTop(int digitHeight);
Rect GroupFrameRect(const Rect& rect, int digitHeight);
Rect GroupCaptionBox(const Rect& rect, bool rightAligned);

} // namespace vcu

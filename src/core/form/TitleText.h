#pragma once
// Where the caption text goes in the title bar: aligned by the skin's title settings, moved
// for right-to-left windows and clipped before the right-hand caption buttons.
#include "core/form/FrameGeometry.h"
#include "core/image/Rect.h"

namespace vcu {

struct TitleTextInput {
  Rect title;                // the title strip, window coordinates
  int textWidth = 0;         // the caption measured on one line
  int textHeight = 0;
  int rightButtonSpace = 0;  // see RightButtonSpace
  bool rightToLeft = false;
  bool popup = false;        // WS_POPUP window
  FrameKind frameKind = fkSizeable;
  // The title element's TextShift, TextShiftVert, TextRightClip, TextAlignment, TXTBackleft
  // and TXTBackRight.
  int textShift = 0, textShiftVert = 0, textRightClip = 0, textAlignment = 0;
  int backLeft = 0, backRight = 0;
};

// The text rectangle: what the text background plate spans, as wide as the text plus both
// plate ends; the text itself is drawn in it shrunk by backLeft and backRight. Never
// inverted.
Rect PlaceTitleText(const TitleTextInput& in);

} // namespace vcu
